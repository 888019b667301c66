#pragma once

#include <QString>

namespace lexaro {

// The names shown under "Registered to:". Either may be empty.
class SystemIdentity
{
public:
    virtual ~SystemIdentity() = default;
    virtual QString userName() const = 0;
    virtual QString computerName() const = 0;
};

} // namespace lexaro
