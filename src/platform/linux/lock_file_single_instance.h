#pragma once

#include "platform/single_instance_guard.h"

#include <QString>

namespace lexaro {

// An advisory lock (flock) on a file in the user's runtime folder. The kernel drops the
// lock when the process ends, so a crashed copy never blocks the next start, and two
// copies starting in the same instant cannot both win.
class LockFileSingleInstance final : public SingleInstanceGuard
{
public:
    explicit LockFileSingleInstance(QString lockPath = defaultLockPath());
    ~LockFileSingleInstance() override;
    LockFileSingleInstance(const LockFileSingleInstance&) = delete;
    LockFileSingleInstance& operator=(const LockFileSingleInstance&) = delete;

    bool tryAcquire() override;
    static QString defaultLockPath();

private:
    QString m_path;
    int m_fd = -1;
};

} // namespace lexaro
