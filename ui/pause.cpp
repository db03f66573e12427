#include "ui/pause.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>

namespace tessaro {

Pauser::Pauser(Clock monotonic, Clock wall) : monotonic_(std::move(monotonic)), wall_(std::move(wall)) {}

std::int64_t Pauser::SteadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::int64_t Pauser::WallMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

bool Pauser::PauseFor(std::int64_t ms) {
    const std::int64_t deadline = monotonic_() + ms;
    for (;;) {
        if (aborted_) return false;
        const std::int64_t now = monotonic_();
        if (now >= deadline) return true;

        QEventLoop loop;
        loop_ = &loop;
        bool timedOut = false;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            timedOut = true;
            loop.quit();
        });
        timer.start(static_cast<int>(std::min<std::int64_t>(deadline - now, 60'000)));
        loop.exec();
        loop_ = nullptr;
        // The loop also ends when the application quits; then so does the pause.
        if (!timedOut && !aborted_) aborted_ = true;
    }
}

std::int64_t Pauser::WholeSecondsWait(std::int64_t nowMs, int seconds) {
    const std::int64_t wholeSecond = nowMs >= 0 ? nowMs / 1000 : (nowMs - 999) / 1000;
    return (wholeSecond + seconds) * 1000 - nowMs;
}

bool Pauser::PauseWholeSeconds(int seconds) { return PauseFor(WholeSecondsWait(wall_(), seconds)); }

void Pauser::Abort() {
    aborted_ = true;
    if (loop_) loop_->quit();
}

}  // namespace tessaro
