#pragma once
// One game, from Start to the solved cube, without a window: the cube, the
// drawn net, the move history and the counters, driven by the main window's
// handlers and asking the window (GameView) for everything it shows.
//
// A shown shuffle and the demonstration are small state machines: each step
// makes one move and asks the window for a wait, and the window calls Step
// when the wait is over. Nothing here ever waits, so a handler never runs
// inside another one, and a Start during a shuffle simply replaces the game.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "board/board.h"
#include "board/button_focus.h"
#include "model/cube.h"
#include "options/difficulty_limit.h"
#include "session/game_number.h"
#include "session/game_view.h"
#include "session/move_history.h"
#include "session/random_source.h"

namespace tessaro {

class Game {
public:
    using SeedClock = std::function<std::uint64_t()>;

    Game(GameView& view, RandomSource& random, SeedClock seedClock);

    // ---- what the main window's handlers call ----
    void NewGame();                // Game > Start, with the options file's block count and moves
    void Step();                   // the wait the game asked for is over
    void Press(float x, float y);  // a mouse press on the client area, in twips
    void Resize();                 // the client area changed size
    void Tick();                   // one second of the game clock
    void Undo();                   // the Z key
    void Redo();                   // the Y key
    void BobjClear();              // forgets the move buttons; their drawing stays
    // The congratulations window's OK: the won game's buttons are forgotten,
    // so the finished net no longer reacts. Nothing when no window of this
    // game is open (a new game came first).
    void CongratulationsClosed();

    // Game > Start from number: exactly that game, whatever the options file
    // holds, which is neither read nor written. Its moves are this game's
    // number of shuffle moves to the end, as if the options said so: they
    // bound the history and make the clicks count (the practice command
    // sets the following games' moves only).
    void NewGame(const GameNumber& number);
    // Redo makes again the moves the undo key took back, one per call, in
    // order, each exactly as a press of its button (click, sound, the
    // solved-face check, the win), until the player makes a move of their
    // own.

    // ---- keyboard play ----
    // An arrow key. The first one shows the focus mark (on the button last
    // marked or pressed, else the first); the next ones move it to the next
    // button that way (NextButton). A mouse press hides it again.
    void ArrowKey(Arrow arrow);
    // Space or Enter: presses the marked button while the mark is shown.
    void PressMarked();
    // Presses the button that makes this move, exactly as a mouse press on
    // it does; nothing while the net has no such button.
    void PressButton(Move move);
    // The marked button while the mark is shown and the button exists.
    const Ishape* MarkedButton() const;

    // ---- state ----
    enum class Phase { Idle, Shuffling, Demonstrating, Playing };
    Phase CurrentPhase() const { return phase_; }
    int BlockN() const { return cube_ ? cube_->BlockN() : 0; }
    const Cube* CubeState() const { return cube_ ? &*cube_ : nullptr; }
    Cube* CubeState() { return cube_ ? &*cube_ : nullptr; }
    const Board& BoardState() const { return board_; }
    const MoveHistory& History() const { return history_; }
    MoveHistory& History() { return history_; }
    std::int32_t ClickCount = 0;
    std::int32_t ElapsedSec = 0;
    const std::array<bool, 7>& FaceDone() const { return faceDone_; }
    // The running game's number, from its Start on; none before the first
    // Start and for a game without shuffle moves.
    const std::optional<GameNumber>& Number() const { return number_; }

    // ---- the named procedures, public so the window and tests can reach them ----
    void MoveRowLeft(std::int32_t line);
    void MoveRowRight(std::int32_t line);
    void MoveColUp(std::int32_t line);
    void MoveColDown(std::int32_t line);
    void MoveSliceCcw(std::int32_t line);
    void MoveSliceCw(std::int32_t line);
    // Makes the move on the cube; no move does nothing.
    void RunMove(Move move);
    // Records a move the player made, for the undo key.
    void Back(Move move);
    void ShowClicks();
    void FaceCheck();
    void BlockDrawAll();

    // ---- the demonstration, step by step ----
    // Makes the next move back, first pointing the smiley at its button when
    // `point`; false when no move is left.
    bool DemoStep(bool point = true);
    // Gives the window back to the player: menus, pointer, and the game.
    void DemoEnd();
    // The Esc key during the demonstration: the moves still to come are made
    // at once, without waits or pointing, so the cube ends as the whole
    // demonstration would have left it, and then it ends as it always does.
    // Does nothing outside the demonstration.
    void FinishDemo();

private:
    // A hit on a move button: sound, history, move, redraw, and in a
    // shuffled game the click count and the solved-face check. A redone
    // move goes back on the history at its place, keeping what follows it.
    void ButtonPressed(const Ishape& button, bool redo = false);
    // What both Starts do first: the game this one replaces ends, and the
    // window is cleared.
    void ClearGame();
    // What both Starts share: the new cube, net and history, then the
    // shuffle from that seed.
    void Begin(int n, std::int32_t moves, std::int32_t seed);
    // The number of shuffle moves in force: a typed game's own, else the
    // options' current value.
    std::int32_t Difficulty() const;
    // Tells the window where the focus mark is, or that none is shown.
    void ShowMark();
    void PlaceLabels(const std::array<LabelPlace, 3>& places);
    void FitLabel(Mes label);
    // Makes shuffle moves until one is to be shown (then asks for a wait)
    // or none is left (then the game goes on to the demonstration or the clock).
    void ShuffleOn();
    void DemoPlay();
    // The next step of the demonstration and its wait, or its end.
    void DemoOn();
    void Started();
    void RestoreAfterDemo();
    const clsBlockMake& FirstBlock(Face face) const;

    GameView& view_;
    RandomSource& random_;
    SeedClock seedClock_;
    std::optional<Cube> cube_;
    Board board_;
    MoveHistory history_;
    std::array<bool, 7> faceDone_{};
    Phase phase_ = Phase::Idle;
    std::int32_t shuffleMoves_ = 0;  // this game's number of shuffle moves
    std::int32_t shuffleDone_ = 0;   // of them made so far
    std::optional<GameNumber> number_;
    bool typedNumber_ = false;   // started from a number the player typed
    std::int32_t demoLeft_ = 0;  // history entries the demonstration has still to take back
    // The shuffle moves of a game that can still enter the records: one the
    // player was handed shuffled with the clock running. 0 for a game
    // without shuffle, after a demonstration (its clock never ran), and once
    // the game has been won.
    std::int32_t recordMoves_ = 0;
    // The congratulations window of this game is open.
    bool congratulating_ = false;
    // The keyboard's focus mark: the button it is on (kept across games and
    // resizes) and whether it is shown.
    Move mark_{MoveKind::RowLeft, 1};
    bool markShown_ = false;
};

}  // namespace tessaro
