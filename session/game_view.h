#pragma once
// What the game asks of its window. The game logic never calls the toolkit;
// the main window implements this, and the tests replace it.

#include <cstdint>
#include <string>

#include "board/surface.h"

namespace tessaro {

// The message labels lblMes(0) to lblMes(3).
enum class Mes { Faces = 0, Time = 1, Clicks = 2, Notice = 3 };

enum class Pointer { Default, Busy, Invisible };

// The waits between the steps of a shuffle or a demonstration.
enum class PauseKind {
    Shuffle,        // a quarter of a second after each shown shuffle move
    Demonstration,  // until the clock's whole seconds have advanced by two
};

// The two values of the options file that a new game is built from.
struct GameSettings {
    std::int32_t blockN = 0;
    std::int32_t difficulty = 0;
};

// A won game that can stand in the records: shuffled, and timed by the
// clock from its start.
struct GameResult {
    std::int32_t blockN = 0;
    std::int32_t shuffleMoves = 0;  // what the game was shuffled with, whatever Difficulty says now
    std::int32_t seconds = 0;
    std::int32_t clicks = 0;
    std::int32_t seed = 0;  // with the block count and shuffle moves, the game's number
    bool operator==(const GameResult&) const = default;
};

class GameView {
public:
    virtual ~GameView() = default;

    virtual Surface& DrawingSurface() = 0;
    // The client area in twips.
    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;

    virtual void SetPointer(Pointer shape) = 0;

    // Loads the options file (reporting any failure itself) and returns the
    // values a new game uses.
    virtual GameSettings LoadSettings() = 0;
    // The options' current number of shuffle moves; the practice command can
    // change it while a game runs.
    virtual std::int32_t Difficulty() const = 0;
    // chkOption(0) "  Can see the shuffle", chkOption(1) "Can see the Demonstration".
    virtual bool IsOptionChecked(int index) const = 0;

    // Returns at once; when the wait is over, the window calls Game::Step.
    // Window events run meanwhile. A new wait replaces one still pending,
    // and StopWait drops it: then no step comes.
    virtual void StartWait(PauseKind kind) = 0;
    virtual void StopWait() = 0;

    // Moves a label, empties it, makes it size itself to its text and hides it.
    virtual void PlaceLabel(Mes label, double left, std::int32_t top) = 0;
    virtual void SetLabelText(Mes label, const std::string& text) = 0;
    virtual std::int32_t LabelWidth(Mes label) const = 0;  // twips
    virtual void SetLabelVisible(Mes label, bool visible) = 0;
    // The demonstration's notice: red text without background or border,
    // sized to its text, shown at the given place.
    virtual void ShowNotice(double left, std::int32_t top, const std::string& text) = 0;

    virtual void SetClockEnabled(bool enabled) = 0;
    virtual void PlayClick() = 0;

    // Shows the congratulations window modally at a screen position in twips.
    // A window that can block returns when it has been closed, one that
    // cannot (a page) returns at once; either way, its OK calls
    // Game::CongratulationsClosed, and the game goes on from there.
    virtual void ShowCongratulations(double left, std::int32_t top) = 0;
    // A won game for the records, given just before the congratulations
    // window opens and at most once per game. A view without records
    // ignores it.
    virtual void RecordWin(const GameResult& /*result*/) {}
    // Tells a screen reader once, without taking the focus, what the player
    // just changed: a press, an undo, the start of play, the win. A view
    // without a screen reader ignores it.
    virtual void Announce(const std::string& /*text*/) {}

    // The demonstration: the Game and Option menus, and the smiling pointer
    // imgDemoPointa(0).
    virtual void SetGameMenusEnabled(bool enabled) = 0;
    virtual void ShowDemoPointer(std::int32_t size) = 0;
    virtual void MoveDemoPointer(std::int32_t left, std::int32_t top) = 0;
    virtual void HideDemoPointer() = 0;

    // Keyboard play: the focus mark around the move button whose square of
    // the given side stands at (left, top), twips; or no mark.
    virtual void ShowFocusMark(std::int32_t left, std::int32_t top, std::int32_t side) = 0;
    virtual void HideFocusMark() = 0;
};

}  // namespace tessaro
