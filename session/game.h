#pragma once
// One game, from Start to the solved cube, without a window: the cube, the
// drawn net, the move history and the counters, driven by the main window's
// handlers and asking the window (GameView) for everything it shows.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "board/board.h"
#include "model/cube.h"
#include "options/difficulty_limit.h"
#include "session/game_view.h"
#include "session/move_history.h"
#include "session/random_source.h"

namespace tessaro {

class Game {
public:
    using SeedClock = std::function<std::uint64_t()>;

    Game(GameView& view, RandomSource& random, SeedClock seedClock);

    // ---- what the main window's handlers call ----
    void NewGame();                     // Game > Start
    void Press(float x, float y);       // a mouse press on the client area, in twips
    void Resize();                      // the client area changed size
    void Tick();                        // one second of the game clock
    void Undo();                        // the Z key
    void BobjClear();                   // the congratulations window's OK

    // ---- state ----
    int BlockN() const { return cube_ ? cube_->BlockN() : 0; }
    const Cube* CubeState() const { return cube_ ? &*cube_ : nullptr; }
    Cube* CubeState() { return cube_ ? &*cube_ : nullptr; }
    const Board& BoardState() const { return board_; }
    const MoveHistory& History() const { return history_; }
    MoveHistory& History() { return history_; }
    std::int32_t MoveRow = 0;
    std::int32_t MoveCol = 0;
    std::int32_t ClickCount = 0;
    std::int32_t ElapsedSec = 0;
    const std::array<bool, 7>& FaceDone() const { return faceDone_; }
    bool DemoRunning() const { return demoRunning_; }

    // ---- the named procedures, public so the window and tests can reach them ----
    void MoveRowLeft();
    void MoveRowRight();
    void MoveColUp();
    void MoveColDown();
    void MoveSliceCcw();
    void MoveSliceCw();
    // Runs the move of kind 1..6 on the line its kind reads; other kinds do nothing.
    void RunMove(std::int32_t kind);
    void Back(std::int32_t Bposition, std::int32_t tmpi);
    void ShowClicks();
    void FaceCheck();
    void BlockDrawAll();

private:
    enum class Outcome { Done, Superseded, Ending };

    void PlaceLabels(const std::array<LabelPlace, 3>& places);
    void FitLabel(Mes label);
    Outcome Shuffle(std::uint64_t generation, std::int32_t moves);
    Outcome DemoPlay(std::uint64_t generation);
    Outcome AfterPause(bool carryOn, std::uint64_t generation) const;
    const clsBlockMake& BlockAt(int index) const;

    GameView& view_;
    RandomSource& random_;
    SeedClock seedClock_;
    std::optional<Cube> cube_;
    Board board_;
    MoveHistory history_;
    std::array<bool, 7> faceDone_{};
    // Counts new games, so that a game whose pause let a newer game start
    // knows it has been replaced and touches nothing more.
    std::uint64_t generation_ = 0;
    bool demoRunning_ = false;
    // The shuffle moves of a game that can still enter the records: one the
    // player was handed shuffled with the clock running. 0 for a game
    // without shuffle, after a demonstration (its clock never ran), and once
    // the game has been won.
    std::int32_t recordMoves_ = 0;
};

}  // namespace tessaro
