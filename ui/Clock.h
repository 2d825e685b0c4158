#pragma once
// The clock behind the timed wait and the periodic timer. Real runs use
// RealClock; tests substitute a virtual clock so that no test sleeps.

#include <cstdint>
#include <functional>

namespace quorvel {

class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds for re-seeding the random generator.
    virtual std::int64_t nowMs() = 0;

    // Returns once more than ms have passed, dispatching events meanwhile;
    // returns at once for ms <= 0 and after shutdown().
    virtual void wait(int ms) = 0;

    // The periodic timer: period 0 stops it, any other period (re)starts the
    // count from now. onTick runs on every elapsed period.
    virtual void setTickHandler(std::function<void()> onTick) = 0;
    virtual void setTimerPeriod(int ms) = 0;

    // The window is gone: every running wait returns as soon as control comes
    // back to it, later waits return at once, and the timer stops for good.
    virtual void shutdown() = 0;
};

}  // namespace quorvel
