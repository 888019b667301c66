#pragma once

#include "clock/clock.h"

#include <QList>

#include <algorithm>
#include <atomic>

namespace lexaro::fakes {

// Time that moves only when the test moves it: advance() fires every timer that falls due on
// the way, in order, with now() at its moment; sleeping moves the time on at once. now() may
// be read on other threads (the clipboard readers'); the rest belongs to the test's thread.
class FakeClock final : public Clock
{
public:
    using Milliseconds = std::chrono::milliseconds;

    TimePoint now() const override { return m_now.load(); }
    void sleepFor(Milliseconds pause) override
    {
        ++sleeps;
        advance(pause);
    }
    std::unique_ptr<ClockTimer> makeTimer(Milliseconds interval,
                                          std::function<void()> onTimeout) override
    {
        return std::make_unique<Timer>(*this, interval, std::move(onTimeout));
    }

    void advance(Milliseconds by)
    {
        const TimePoint end = m_now.load() + by;
        while (Timer* next = nextDue(end)) {
            m_now.store(next->due);
            next->due += next->interval;
            next->onTimeout(); // may stop or delete any timer
        }
        m_now.store(end);
    }
    // Timers now counting.
    int activeTimers() const
    {
        return int(std::count_if(m_timers.begin(), m_timers.end(),
                                 [](const Timer* t) { return t->active; }));
    }

    int sleeps = 0;

private:
    struct Timer final : ClockTimer
    {
        Timer(FakeClock& owner, Milliseconds every, std::function<void()> callback)
            : clock(owner), interval(every), onTimeout(std::move(callback))
        {
            clock.m_timers.append(this);
        }
        ~Timer() override { clock.m_timers.removeOne(this); }
        Q_DISABLE_COPY_MOVE(Timer)
        void start() override
        {
            active = true;
            due = clock.m_now.load() + interval;
        }
        void stop() override { active = false; }
        bool isActive() const override { return active; }

        FakeClock& clock;
        Milliseconds interval;
        std::function<void()> onTimeout;
        bool active = false;
        TimePoint due;
    };

    Timer* nextDue(TimePoint end) const
    {
        Timer* next = nullptr;
        for (Timer* t : m_timers) {
            if (t->active && t->due <= end && (!next || t->due < next->due))
                next = t;
        }
        return next;
    }

    std::atomic<TimePoint> m_now{};
    QList<Timer*> m_timers;
};

} // namespace lexaro::fakes
