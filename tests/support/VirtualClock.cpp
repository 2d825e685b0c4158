#include "tests/support/VirtualClock.h"

#include <algorithm>

namespace quorvel::test {

void VirtualClock::wait(int ms)
{
    if (ms <= 0 || shutDown_)
        return;
    ++waitsStarted_;
    ++depth_;
    maxDepth_ = std::max(maxDepth_, depth_);
    runUntil(now_ + ms);
    --depth_;
}

void VirtualClock::advance(std::int64_t ms)
{
    runUntil(now_ + ms);
}

void VirtualClock::at(std::int64_t time, std::function<void()> action)
{
    actions_.push_back(Action{time, nextOrder_++, std::move(action)});
}

void VirtualClock::setTimerPeriod(int ms)
{
    period_ = shutDown_ ? 0 : std::max(ms, 0);
    nextTick_ = now_ + period_;
    tickOrder_ = nextOrder_++;
}

void VirtualClock::shutdown()
{
    shutDown_ = true;
    period_ = 0;
}

void VirtualClock::runUntil(std::int64_t target)
{
    // Re-scan after every step: whatever ran may have scheduled, armed or
    // stopped something, and nested waits may already have moved time on.
    while (!shutDown_) {
        auto next = std::min_element(actions_.begin(), actions_.end(), [](const Action& a, const Action& b) {
            return a.time != b.time ? a.time < b.time : a.order < b.order;
        });
        const bool actionDue = next != actions_.end() && next->time <= target;
        const bool tickDue = period_ > 0 && nextTick_ <= target;
        if (!actionDue && !tickDue)
            break;
        const bool tickFirst =
            tickDue && (!actionDue || nextTick_ < next->time || (nextTick_ == next->time && tickOrder_ < next->order));
        if (tickFirst) {
            now_ = std::max(now_, nextTick_);
            nextTick_ += period_;
            tickOrder_ = nextOrder_++;
            ++ticks_;
            if (onTick_)
                onTick_();
        } else {
            now_ = std::max(now_, next->time);
            auto run = std::move(next->run);
            actions_.erase(next);
            run();
        }
    }
    now_ = std::max(now_, target);
}

}  // namespace quorvel::test
