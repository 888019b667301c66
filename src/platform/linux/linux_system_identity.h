#pragma once

#include "platform/system_identity.h"

namespace lexaro {

// The login name of the user running the program and the machine's host name.
class LinuxSystemIdentity final : public SystemIdentity
{
public:
    QString userName() const override;
    QString computerName() const override;
};

} // namespace lexaro
