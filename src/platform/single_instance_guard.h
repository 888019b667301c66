#pragma once

#include <functional>

namespace lexaro {

// Claims the right to run. Only one copy per desktop session holds it at a time; it is
// released when the holder ends, however it ends. A copy that does not get it has asked the
// holder to show itself before tryAcquire() returns.
class SingleInstanceGuard
{
public:
    virtual ~SingleInstanceGuard() = default;
    virtual bool tryAcquire() = 0;
    // Called in the holder, on the user-interface thread, each time a later copy asked it to
    // show itself.
    virtual void onActivationRequested(std::function<void()> handler) = 0;
};

} // namespace lexaro
