#include "platform/linux/session_single_instance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace lexaro {

Q_LOGGING_CATEGORY(lcOneCopy, "lexaro.onecopy", QtWarningMsg)

namespace {

constexpr int AskTimeoutMs = 2000;

// A session bus to ask, without starting one: libdbus would otherwise launch a bus of its
// own for the X display.
bool sessionBusExpected()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFile::exists(runtime + u"/bus"_s);
}

// A folder that is the user's alone: nobody else can put a lock or a socket into it.
bool privateFolder(const QString& path)
{
    struct stat info
    {
    };
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

} // namespace

SessionSingleInstance::SessionSingleInstance(Names names, QObject* parent)
    : QObject(parent), m_names(std::move(names))
{
}

SessionSingleInstance::~SessionSingleInstance()
{
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

SessionSingleInstance::Names SessionSingleInstance::defaultNames()
{
    return {u"example.orvenda.Lexaro"_s, u"/example/orvenda/Lexaro"_s,
            qEnvironmentVariable("XDG_RUNTIME_DIR")};
}

void SessionSingleInstance::onActivationRequested(std::function<void()> handler)
{
    m_handler = std::move(handler);
}

bool SessionSingleInstance::tryAcquire()
{
    if (m_held)
        return true;
    Claim claim = sessionBusExpected() ? claimBusName() : Claim::Unavailable;
    if (claim == Claim::Unavailable)
        claim = claimRuntimeFolder();
    // Neither way works: better to run than to refuse to start.
    m_held = claim != Claim::Taken;
    return m_held;
}

SessionSingleInstance::Claim SessionSingleInstance::claimBusName()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return Claim::Unavailable;
    // The object is there before the name, so a copy that sees the name can always ask it.
    if (!bus.registerObject(m_names.objectPath, this, QDBusConnection::ExportAllSlots))
        return Claim::Unavailable;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(m_names.busName,
                                         QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered)
        return Claim::Held;
    bus.unregisterObject(m_names.objectPath);
    if (!reply.isValid()) {
        qCDebug(lcOneCopy) << "session bus refused the name:" << reply.error().message();
        return Claim::Unavailable;
    }
    QDBusMessage activate = QDBusMessage::createMethodCall(
        m_names.busName, m_names.objectPath, u"org.freedesktop.Application"_s, u"Activate"_s);
    activate << QVariantMap();
    bus.call(activate, QDBus::Block, AskTimeoutMs);
    return Claim::Taken;
}

SessionSingleInstance::Claim SessionSingleInstance::claimRuntimeFolder()
{
    if (!privateFolder(m_names.runtimeDir))
        return Claim::Unavailable;
    const QString base = QDir(m_names.runtimeDir).filePath(m_names.busName);
    const int fd = ::open(QFile::encodeName(base + u".lock"_s).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return Claim::Unavailable;
    // The kernel drops the lock with the process, however it ends.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        QLocalSocket ask;
        ask.connectToServer(base + u".socket"_s);
        if (ask.waitForConnected(AskTimeoutMs)) {
            ask.write("activate\n");
            ask.waitForBytesWritten(AskTimeoutMs);
            ask.disconnectFromServer();
        }
        return Claim::Taken;
    }
    m_lockFd = fd;
    // A socket left by a copy that was killed is stale: only the lock holder listens.
    QLocalServer::removeServer(base + u".socket"_s);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* asking = m_server->nextPendingConnection()) {
            asking->deleteLater();
            activated();
        }
    });
    if (!m_server->listen(base + u".socket"_s))
        qCDebug(lcOneCopy) << "cannot listen:" << m_server->errorString();
    return Claim::Held;
}

void SessionSingleInstance::activated()
{
    if (m_handler)
        m_handler();
}

void SessionSingleInstance::Activate(const QVariantMap& /*platformData*/)
{
    activated();
}

void SessionSingleInstance::Open(const QStringList& /*uris*/, const QVariantMap& /*platformData*/)
{
    activated();
}

void SessionSingleInstance::ActivateAction(const QString& /*action*/,
                                           const QVariantList& /*parameter*/,
                                           const QVariantMap& /*platformData*/)
{
    activated();
}

} // namespace lexaro
