#include "platform/linux/lock_file_single_instance.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace lexaro {

LockFileSingleInstance::LockFileSingleInstance(QString lockPath) : m_path(std::move(lockPath)) {}

LockFileSingleInstance::~LockFileSingleInstance()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QString LockFileSingleInstance::defaultLockPath()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString folder =
        !runtime.isEmpty() && QDir(runtime).exists() ? runtime : QDir::tempPath();
    return folder + u"/lexaro-"_s + QString::number(geteuid()) + u".lock"_s;
}

bool LockFileSingleInstance::tryAcquire()
{
    if (m_fd >= 0)
        return true;
    const int fd =
        ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true; // no place for a lock: better to run than to refuse to start
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

} // namespace lexaro
