#include "ui/RealClock.h"

#include <QEventLoop>
#include <QTimer>
#include <chrono>

namespace quorvel {

RealClock::RealClock()
    : ticker_([this] {
          if (onTick_ && !shutDown_)
              onTick_();
      })
{
}

std::int64_t RealClock::nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

void RealClock::wait(int ms)
{
    using namespace std::chrono;
    if (ms <= 0 || shutDown_)
        return;
    const auto deadline = steady_clock::now() + milliseconds(ms);

    QEventLoop loop;
    PreciseTimer timer([&loop] { loop.quit(); });
    QTimer fallback;  // only where no kernel timer could be made
    fallback.setTimerType(Qt::PreciseTimer);
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, &loop, &QEventLoop::quit);
    waiting_.push_back(&loop);
    // The loop can also end early: QCoreApplication::exit() ends every loop.
    // So wait again for what is left until the deadline has truly passed.
    while (!shutDown_ && steady_clock::now() <= deadline) {
        if (timer.valid()) {
            timer.startAt(deadline + nanoseconds(1));
        } else {
            const auto left = duration_cast<milliseconds>(deadline - steady_clock::now()) + milliseconds(1);
            fallback.start(static_cast<int>(left.count()));
        }
        loop.exec();
    }
    waiting_.pop_back();
}

void RealClock::setTickHandler(std::function<void()> onTick)
{
    onTick_ = std::move(onTick);
}

void RealClock::setTimerPeriod(int ms)
{
    if (shutDown_ || ms <= 0) {
        ticker_.stop();
        return;
    }
    ticker_.startPeriodic(std::chrono::milliseconds(ms));
}

void RealClock::shutdown()
{
    shutDown_ = true;
    ticker_.stop();
    for (QEventLoop* loop : waiting_)
        loop->quit();
}

}  // namespace quorvel
