#pragma once
// Waiting while the window stays alive: a pause lets window events run until
// its deadline, sleeping in the event loop in between, never spinning.

#include <QPointer>
#include <cstdint>
#include <functional>

class QEventLoop;

namespace tessaro {

class Pauser {
public:
    using Clock = std::function<std::int64_t()>;  // milliseconds

    // `monotonic` times the waits; `wall` is the date and time, whose whole
    // seconds the demonstration counts. Both are injectable for tests.
    explicit Pauser(Clock monotonic = SteadyMilliseconds, Clock wall = WallMilliseconds);

    // Lets events run for `ms` milliseconds. False when the program is
    // ending (Abort, or the application quitting): the caller stops at once.
    bool PauseFor(std::int64_t ms);

    // Lets events run until the date and time, in whole seconds, has
    // advanced by `seconds`: between seconds - 1 and seconds of real time.
    // The length is fixed when the pause begins, so a clock set back during
    // it cannot stretch it.
    bool PauseWholeSeconds(int seconds);

    // Ends the running pause and every later one: the window is closing.
    void Abort();
    bool Aborted() const { return aborted_; }

    // How long PauseWholeSeconds waits when the date and time reads nowMs.
    static std::int64_t WholeSecondsWait(std::int64_t nowMs, int seconds);

    static std::int64_t SteadyMilliseconds();
    static std::int64_t WallMilliseconds();

private:
    Clock monotonic_;
    Clock wall_;
    bool aborted_ = false;
    QPointer<QEventLoop> loop_;
};

}  // namespace tessaro
