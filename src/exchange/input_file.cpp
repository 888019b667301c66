#include "exchange/input_file.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace lexaro {

namespace {

QString cutShort()
{
    return u"the file was cut short while it was read"_s;
}

} // namespace

InputFile::InputFile(const QString& path)
{
    // Non-blocking, so that opening a FIFO does not wait for a writer; the type is checked on
    // the descriptor itself, so nothing can be swapped in between.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        m_error = errno == ENOENT ? u"no such file"_s : u"cannot read the file"_s;
        return;
    }
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        m_error = S_ISDIR(info.st_mode) ? u"a folder, not a file"_s
                                        : u"not a regular file (a device, a FIFO or a socket)"_s;
        return;
    }
    m_fd = fd;
    m_size = std::uint64_t(info.st_size);
}

InputFile::~InputFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::optional<QByteArray> InputFile::readAll(std::uint64_t limit, QString& error) const
{
    if (m_size > limit) {
        error = u"the file is larger than an import takes ("_s + QString::number(m_size) +
                u" bytes; at most "_s + QString::number(limit) + u')';
        return std::nullopt;
    }
    QByteArray bytes;
    if (!readAt(0, m_size, bytes, error))
        return std::nullopt;
    return bytes;
}

bool InputFile::readAt(std::uint64_t offset, std::uint64_t length, QByteArray& out,
                       QString& error) const
{
    if (offset > m_size || length > m_size - offset) {
        error = u"beyond the end of the text (offset "_s + QString::number(offset) +
                u", length "_s + QString::number(length) + u", text of "_s +
                QString::number(m_size) + u" bytes)"_s;
        return false;
    }
    out.resize(qsizetype(length));
    std::uint64_t done = 0;
    while (done < length) {
        const ssize_t n =
            ::pread(m_fd, out.data() + done, std::size_t(length - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n == 0 ? cutShort() : u"the file could not be read"_s;
            out.clear();
            return false;
        }
        done += std::uint64_t(n);
    }
    return true;
}

} // namespace lexaro
