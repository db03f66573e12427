#pragma once
// Start-up's first moment: the splash is painted and stays up while the
// clock waits a moment; then the main window opens and the splash is
// unloaded, its window and pictures freed. The clock is the game's own, so
// start-up runs from the event loop like every other wait, and a test can
// step it by hand.

#include <cstdint>
#include <functional>
#include <memory>

#include "board/twips.h"

namespace tessaro {

class Clock;
class frmSplash;

class SplashThenWindow {
public:
    static constexpr std::int64_t kSplashMs = 1500;

    // Shows the splash at once and returns; when the wait is over, calls
    // `openWindow` (which makes and shows the main window) while the splash
    // still stands, then unloads the splash. Closing the splash meanwhile
    // closes the program's last window, which ends it.
    SplashThenWindow(Clock& clock, TwipsScale scale, std::function<void()> openWindow);
    ~SplashThenWindow();
    SplashThenWindow(const SplashThenWindow&) = delete;
    SplashThenWindow& operator=(const SplashThenWindow&) = delete;

    // The splash while it is up, else null.
    frmSplash* Splash() const { return splash_.get(); }

private:
    Clock& clock_;
    std::function<void()> openWindow_;
    std::unique_ptr<frmSplash> splash_;
    bool waiting_ = false;
};

}  // namespace tessaro
