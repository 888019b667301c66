#pragma once

#include "clock/clock.h"

namespace lexaro {

// The clock of the real world: steady time, and timers on Qt's event loop.
class SystemClock final : public Clock
{
public:
    TimePoint now() const override;
    void sleepFor(std::chrono::milliseconds pause) override;
    std::unique_ptr<ClockTimer> makeTimer(std::chrono::milliseconds interval,
                                          std::function<void()> onTimeout) override;
};

} // namespace lexaro
