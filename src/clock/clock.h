#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace lexaro {

// A timer made by a clock: while it runs, it calls back once per interval. Destroying it
// stops it.
class ClockTimer
{
public:
    virtual ~ClockTimer() = default;
    // Counts a whole interval from now; a running timer starts over.
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

// The program's time: the monotonic now, pauses and timers. The program runs on the system
// clock; tests move a fake one forward by hand, so that none waits out a countdown or a
// time-out.
class Clock
{
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~Clock() = default;
    virtual TimePoint now() const = 0;
    // Blocks the calling thread for the pause.
    virtual void sleepFor(std::chrono::milliseconds pause) = 0;
    // A stopped timer that calls onTimeout on the thread that made it, from its event loop.
    virtual std::unique_ptr<ClockTimer> makeTimer(std::chrono::milliseconds interval,
                                                  std::function<void()> onTimeout) = 0;
};

} // namespace lexaro
