#include "platform/linux/abstract_socket_single_instance.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace lexaro {

namespace {

// The abstract namespace: a leading NUL, then the name, without a terminating NUL.
socklen_t fillAddress(sockaddr_un& address, const QByteArray& name)
{
    address = {};
    address.sun_family = AF_UNIX;
    const std::size_t length = std::min(std::size_t(name.size()), sizeof address.sun_path - 1);
    std::memcpy(address.sun_path + 1, name.constData(), length);
    return socklen_t(offsetof(sockaddr_un, sun_path) + 1 + length);
}

// Any local user can bind any abstract name. A holder running as another user is not a copy
// of ours, only in the way; it must not keep the program from starting.
bool heldByAnotherUser(const sockaddr_un& address, socklen_t length)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    ucred peer{};
    socklen_t peerLength = sizeof peer;
    const bool known = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0 &&
                       ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &peerLength) == 0;
    ::close(fd);
    // Not answering: a copy of ours between its bind and its listen.
    return known && peer.uid != ::geteuid();
}

} // namespace

AbstractSocketSingleInstance::AbstractSocketSingleInstance(QByteArray name)
    : m_name(std::move(name))
{
}

AbstractSocketSingleInstance::~AbstractSocketSingleInstance()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QByteArray AbstractSocketSingleInstance::defaultName()
{
    QByteArray name("lexaro-");
    name.append(QByteArray::number(::geteuid()));
    return name;
}

bool AbstractSocketSingleInstance::tryAcquire()
{
    if (m_fd >= 0)
        return true;
    sockaddr_un address;
    const socklen_t length = fillAddress(address, m_name);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return true; // no socket at all: better to run than to refuse to start
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0) {
        // Listening lets a later copy ask who holds the name; nobody is ever accepted.
        ::listen(fd, 8);
        m_fd = fd;
        return true;
    }
    const int error = errno;
    ::close(fd);
    if (error != EADDRINUSE)
        return true;
    return heldByAnotherUser(address, length);
}

} // namespace lexaro
