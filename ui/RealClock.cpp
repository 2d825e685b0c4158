#include "ui/RealClock.h"

#include <QEventLoop>
#include <chrono>

namespace quorvel {

RealClock::RealClock()
{
    // Coarse timers may fire up to 5 % early; the beat must not.
    ticker_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker_, &QTimer::timeout, [this] {
        if (onTick_ && !shutDown_)
            onTick_();
    });
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
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    waiting_.push_back(&loop);
    // The loop can also end early: QCoreApplication::exit() ends every loop.
    // So re-arm for what is left until the deadline has truly passed.
    while (!shutDown_) {
        const auto left = deadline - steady_clock::now();
        if (left < nanoseconds::zero())
            break;
        auto leftMs = duration_cast<milliseconds>(left).count();
        if (milliseconds(leftMs) < left)
            ++leftMs;  // never arm for less than what is left
        timer.start(static_cast<int>(std::max<std::int64_t>(leftMs, 1)));
        loop.exec();
    }
    timer.stop();
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
    ticker_.start(ms);
}

void RealClock::shutdown()
{
    shutDown_ = true;
    ticker_.stop();
    for (QEventLoop* loop : waiting_)
        loop->quit();
}

}  // namespace quorvel
