#include "ui/clock.h"

#include <algorithm>
#include <chrono>

namespace tessaro {

std::int64_t WholeSecondsWait(std::int64_t nowMs, int seconds) {
    const std::int64_t wholeSecond = nowMs >= 0 ? nowMs / 1000 : (nowMs - 999) / 1000;
    return (wholeSecond + seconds) * 1000 - nowMs;
}

SystemClock::SystemClock() {
    timer_.setSingleShot(true);
    // Never early: a precise timer waits at least its interval, measured on
    // the monotonic clock, so setting the date and time cannot stretch it.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // The call may start the next wait, which replaces due_.
        const std::function<void()> due = std::move(due_);
        due_ = nullptr;
        if (due) due();
    });
}

std::int64_t SystemClock::WallMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

std::uint64_t SystemClock::Seed() {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(system_clock::now().time_since_epoch().count()) ^
           static_cast<std::uint64_t>(steady_clock::now().time_since_epoch().count());
}

void SystemClock::StartWait(std::int64_t ms, std::function<void()> due) {
    due_ = std::move(due);
    timer_.start(static_cast<int>(std::clamp<std::int64_t>(ms, 0, 60'000)));
}

void SystemClock::StopWait() {
    timer_.stop();
    due_ = nullptr;
}

}  // namespace tessaro
