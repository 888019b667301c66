#pragma once

namespace lexaro {

// Claims the right to run. Only one copy per user holds it at a time; it is released when
// the holder ends, however it ends.
class SingleInstanceGuard
{
public:
    virtual ~SingleInstanceGuard() = default;
    virtual bool tryAcquire() = 0;
};

} // namespace lexaro
