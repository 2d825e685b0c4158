#pragma once
// A clock for tests: time moves only when a wait or advance() moves it, and
// everything due on the way (timer ticks, scripted player actions) runs in
// time order, each to completion, before the wait returns. No real sleeping.

#include "ui/Clock.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace quorvel::test {

class VirtualClock final : public Clock {
public:
    std::int64_t nowMs() override { return epochMs + now_; }
    void wait(int ms) override;
    void setTickHandler(std::function<void()> onTick) override { onTick_ = std::move(onTick); }
    void setTimerPeriod(int ms) override;
    void shutdown() override;

    // Virtual milliseconds since the clock was made.
    std::int64_t now() const { return now_; }
    // Runs what falls due within the next ms, as if the event loop idled.
    void advance(std::int64_t ms);
    // Schedules an action at an absolute virtual time.
    void at(std::int64_t time, std::function<void()> action);

    int waitsStarted() const { return waitsStarted_; }
    int waitDepth() const { return depth_; }
    int maxWaitDepth() const { return maxDepth_; }
    int ticks() const { return ticks_; }
    bool timerRunning() const { return period_ > 0 && !shutDown_; }

    static constexpr std::int64_t epochMs = 1'700'000'000'000;

private:
    void runUntil(std::int64_t target);

    struct Action {
        std::int64_t time;
        std::uint64_t order;
        std::function<void()> run;
    };
    std::int64_t now_ = 0;
    std::uint64_t nextOrder_ = 0;
    std::vector<Action> actions_;
    std::function<void()> onTick_;
    int period_ = 0;
    std::int64_t nextTick_ = 0;
    std::uint64_t tickOrder_ = 0;
    bool shutDown_ = false;
    int waitsStarted_ = 0;
    int depth_ = 0;
    int maxDepth_ = 0;
    int ticks_ = 0;
};

}  // namespace quorvel::test
