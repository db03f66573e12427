#pragma once
// Time as the windows use it: the date and time, a seed for each new game's
// shuffle, and the one wait that drives the start-up, a shown shuffle and
// the demonstration step by step. Tests replace it and step time themselves.

#include <QTimer>
#include <cstdint>
#include <functional>

namespace tessaro {

class Clock {
public:
    virtual ~Clock() = default;

    // The date and time, in milliseconds since the epoch.
    virtual std::int64_t WallMilliseconds() = 0;
    // A different value at every call, for seeding a shuffle.
    virtual std::uint64_t Seed() = 0;

    // Calls `due` from the event loop once `ms` milliseconds have passed,
    // and returns at once. A wait still pending is dropped.
    virtual void StartWait(std::int64_t ms, std::function<void()> due) = 0;
    virtual void StopWait() = 0;
};

// How long to wait, from the date and time nowMs, until its whole seconds
// have advanced by `seconds`: between seconds - 1 and seconds of real time.
std::int64_t WholeSecondsWait(std::int64_t nowMs, int seconds);

// The system's clocks and a timer of the event loop: while it waits, the
// program sleeps in the event loop and window events run.
class SystemClock final : public Clock {
public:
    SystemClock();

    std::int64_t WallMilliseconds() override;
    std::uint64_t Seed() override;
    void StartWait(std::int64_t ms, std::function<void()> due) override;
    void StopWait() override;

private:
    QTimer timer_;
    std::function<void()> due_;
};

}  // namespace tessaro
