#pragma once

#include "platform/single_instance_guard.h"

#include <QObject>
#include <QString>
#include <QVariantMap>

class QDBusConnection;
class QLocalServer;

namespace lexaro {

// One copy per desktop session, by the desktop's own convention: a well-known name on the
// user's session bus, which only that user can reach and which ends with the login session.
// Without a session bus, a lock and a socket in $XDG_RUNTIME_DIR, a folder only the user can
// open. No other user can take either name, so nobody else can keep the program from
// starting or make it run twice. A later copy asks the holder to show its main window
// (org.freedesktop.Application.Activate on the bus, a connection to the socket otherwise).
class SessionSingleInstance final : public QObject, public SingleInstanceGuard
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    struct Names
    {
        QString busName;    // example.orvenda.Lexaro
        QString objectPath; // /example/orvenda/Lexaro
        QString runtimeDir; // empty: no fallback
    };

    explicit SessionSingleInstance(Names names = defaultNames(), QObject* parent = nullptr);
    ~SessionSingleInstance() override;
    Q_DISABLE_COPY_MOVE(SessionSingleInstance)

    bool tryAcquire() override;
    void onActivationRequested(std::function<void()> handler) override;
    static Names defaultNames();

public Q_SLOTS:
    // org.freedesktop.Application: every way in shows the main window.
    void Activate(const QVariantMap& platformData);
    void Open(const QStringList& uris, const QVariantMap& platformData);
    void ActivateAction(const QString& action, const QVariantList& parameter,
                        const QVariantMap& platformData);

private:
    enum class Claim
    {
        Held,
        Taken,      // another copy of this session holds it
        Unavailable // this way cannot decide: try the next
    };
    Claim claimBusName();
    Claim claimRuntimeFolder();
    void activated();

    Names m_names;
    std::function<void()> m_handler;
    bool m_held = false;
    int m_lockFd = -1;
    QLocalServer* m_server = nullptr;
};

} // namespace lexaro
