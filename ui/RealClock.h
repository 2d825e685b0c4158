#pragma once

#include "ui/Clock.h"
#include "ui/PreciseTimer.h"

#include <vector>

class QEventLoop;

namespace quorvel {

// Waits are nested event loops on a precise single-shot timer: they sleep in
// the event dispatcher, never spin, and dispatch every event meanwhile.
class RealClock final : public Clock {
public:
    RealClock();
    std::int64_t nowMs() override;
    void wait(int ms) override;
    void setTickHandler(std::function<void()> onTick) override;
    void setTimerPeriod(int ms) override;
    void shutdown() override;

private:
    PreciseTimer ticker_;
    std::function<void()> onTick_;
    std::vector<QEventLoop*> waiting_;  // innermost last
    bool shutDown_ = false;
};

}  // namespace quorvel
