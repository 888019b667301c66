#pragma once

#include "platform/single_instance_guard.h"

#include <QByteArray>

namespace lexaro {

// A Unix socket bound to a name in the abstract namespace derived from the user id
// ("lexaro-<uid>"). The name is the same whatever the environment (no runtime folder, a
// read-only one, a folder where a file should be), binding is atomic, so two copies
// starting in the same instant cannot both win, and the kernel frees the name when the
// process ends, however it ends.
class AbstractSocketSingleInstance final : public SingleInstanceGuard
{
public:
    explicit AbstractSocketSingleInstance(QByteArray name = defaultName());
    ~AbstractSocketSingleInstance() override;
    AbstractSocketSingleInstance(const AbstractSocketSingleInstance&) = delete;
    AbstractSocketSingleInstance& operator=(const AbstractSocketSingleInstance&) = delete;

    bool tryAcquire() override;
    static QByteArray defaultName();

private:
    QByteArray m_name;
    int m_fd = -1;
};

} // namespace lexaro
