#pragma once

#include <QSocketNotifier>
#include <chrono>
#include <functional>
#include <memory>

namespace quorvel {

// A kernel timer (timerfd on CLOCK_MONOTONIC) watched by the event loop.
// Qt's own precise timers round the dispatcher's poll timeout up to the next
// whole millisecond, which makes a 300 ms wait overshoot by 0.5 ms on
// average; the kernel timer wakes the loop at the nanosecond deadline. Either
// way the loop sleeps in poll and dispatches every event meanwhile.
class PreciseTimer {
public:
    explicit PreciseTimer(std::function<void()> onExpiry);
    ~PreciseTimer();
    PreciseTimer(const PreciseTimer&) = delete;
    PreciseTimer& operator=(const PreciseTimer&) = delete;

    // Fires once at the deadline, or every period from now when periodic.
    void startAt(std::chrono::steady_clock::time_point deadline);
    void startPeriodic(std::chrono::nanoseconds period);
    void stop();
    bool valid() const { return fd_ >= 0; }

private:
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> onExpiry_;
};

}  // namespace quorvel
