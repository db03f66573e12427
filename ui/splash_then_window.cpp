#include "ui/splash_then_window.h"

#include "ui/clock.h"
#include "ui/frm_splash.h"

namespace tessaro {

SplashThenWindow::SplashThenWindow(Clock& clock, TwipsScale scale, std::function<void()> openWindow)
    : clock_(clock), openWindow_(std::move(openWindow)), splash_(std::make_unique<frmSplash>(scale)) {
    splash_->show();
    waiting_ = true;
    clock_.StartWait(kSplashMs, [this] {
        waiting_ = false;
        openWindow_();
        splash_.reset();
    });
}

SplashThenWindow::~SplashThenWindow() {
    // The wait calls back into this object: it must not outlive it.
    if (waiting_) clock_.StopWait();
}

}  // namespace tessaro
