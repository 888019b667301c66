#pragma once

#include <QObject>
#include <QTimer>

#include <algorithm>
#include <chrono>

namespace lexaro::bench {

// The longest time the user-interface thread went without running its event loop, seen by
// a timer that asks to run every 2 ms.
class StallProbe : public QObject
{
public:
    using Clock = std::chrono::steady_clock;

    StallProbe()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(2);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const Clock::time_point now = Clock::now();
            m_longest = std::max(m_longest, now - m_last);
            m_last = now;
        });
    }
    void start()
    {
        m_longest = {};
        m_last = Clock::now();
        m_timer.start();
    }
    // In milliseconds.
    double stop()
    {
        m_timer.stop();
        // A stall that lasts until now is a stall too.
        m_longest = std::max(m_longest, Clock::now() - m_last);
        return std::chrono::duration<double, std::milli>(m_longest).count();
    }

private:
    QTimer m_timer;
    Clock::time_point m_last;
    Clock::duration m_longest{};
};

} // namespace lexaro::bench
