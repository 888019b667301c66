#include "clock/system_clock.h"

#include <QTimer>

#include <thread>

namespace lexaro {

namespace {

class QtClockTimer final : public ClockTimer
{
public:
    QtClockTimer(std::chrono::milliseconds interval, std::function<void()> onTimeout)
    {
        m_timer.setInterval(interval);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, std::move(onTimeout));
    }
    void start() override { m_timer.start(); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

} // namespace

Clock::TimePoint SystemClock::now() const
{
    return std::chrono::steady_clock::now();
}

void SystemClock::sleepFor(std::chrono::milliseconds pause)
{
    std::this_thread::sleep_for(pause);
}

std::unique_ptr<ClockTimer> SystemClock::makeTimer(std::chrono::milliseconds interval,
                                                   std::function<void()> onTimeout)
{
    return std::make_unique<QtClockTimer>(interval, std::move(onTimeout));
}

} // namespace lexaro
