#include "ui/PreciseTimer.h"

#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace quorvel {

namespace {
timespec toTimespec(std::chrono::nanoseconds ns)
{
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(ns.count() / 1'000'000'000);
    ts.tv_nsec = static_cast<long>(ns.count() % 1'000'000'000);
    return ts;
}
}  // namespace

PreciseTimer::PreciseTimer(std::function<void()> onExpiry) : onExpiry_(std::move(onExpiry))
{
    // steady_clock is CLOCK_MONOTONIC on Linux, so deadlines carry over as is.
    fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ < 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        std::uint64_t expirations = 0;
        if (::read(fd_, &expirations, sizeof expirations) == sizeof expirations && expirations > 0 && onExpiry_)
            onExpiry_();
    });
}

PreciseTimer::~PreciseTimer()
{
    notifier_.reset();
    if (fd_ >= 0)
        ::close(fd_);
}

void PreciseTimer::startAt(std::chrono::steady_clock::time_point deadline)
{
    if (fd_ < 0)
        return;
    itimerspec setting{};
    setting.it_value = toTimespec(deadline.time_since_epoch());
    if (setting.it_value.tv_sec == 0 && setting.it_value.tv_nsec == 0)
        setting.it_value.tv_nsec = 1;  // zero would disarm
    timerfd_settime(fd_, TFD_TIMER_ABSTIME, &setting, nullptr);
}

void PreciseTimer::startPeriodic(std::chrono::nanoseconds period)
{
    if (fd_ < 0)
        return;
    itimerspec setting{};
    setting.it_value = toTimespec(period);
    setting.it_interval = toTimespec(period);
    timerfd_settime(fd_, 0, &setting, nullptr);
}

void PreciseTimer::stop()
{
    if (fd_ < 0)
        return;
    itimerspec setting{};
    timerfd_settime(fd_, 0, &setting, nullptr);
    std::uint64_t pending = 0;
    [[maybe_unused]] auto ignored = ::read(fd_, &pending, sizeof pending);  // drop an expiry not yet seen
}

}  // namespace quorvel
