#include "platform/linux/linux_system_identity.h"

#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

namespace lexaro {

QString LinuxSystemIdentity::userName() const
{
    if (const passwd* entry = getpwuid(geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

QString LinuxSystemIdentity::computerName() const
{
    return QSysInfo::machineHostName();
}

} // namespace lexaro
