#pragma once
// Logging out (SIGHUP), `kill` (SIGTERM) and Ctrl+C in a terminal (SIGINT)
// end the game the way Quit does, not by killing it halfway through
// whatever it was doing. The handler itself only writes a byte to a pipe,
// which is all a signal handler may safely do; the event loop reads it and
// ends the game between two events, so a save in progress (saves run in the
// event loop too) is finished first.

#include <signal.h>

#include <csignal>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace tessaro {

// Closes every window, modal boxes first, and makes every event loop end,
// including the nested one of a modal box that is open at that moment, so
// that no window can hold the program: QApplication::exec returns 0.
void EndTheGame();

// Catches the three signals for as long as it lives; only one may live at a
// time. Also a signal that was ignored when the game started is caught: a
// script that starts the game in the background has SIGINT ignored, yet
// `kill -INT` should still end it, and a game that outlives its session has
// no display left anyway. Without a pipe (no descriptors left) the signals
// keep their usual effect.
class QuitSignals {
public:
    // `quit` runs in the event loop, with the last signal that came.
    explicit QuitSignals(std::function<void(int signal)> quit = [](int) { EndTheGame(); });
    ~QuitSignals();
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

private:
    void Read();

    std::function<void(int)> quit_;
    int readEnd_ = -1;
    int writeEnd_ = -1;
    struct sigaction previous_[3] = {};
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace tessaro
