#include "platform/linux/session_single_instance.h"
#include "platform/linux/x11_keyboard_layout_switcher.h"
#include "platform/linux/x11_window_stacking.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <X11/Xatom.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <algorithm>

using namespace lexaro;

namespace {

QList<Atom> netWmState(Display* display, Window window)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    QList<Atom> atoms;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_STATE", False), 0, 64,
                           False, XA_ATOM, &type, &format, &count, &remaining, &data) == Success &&
        data) {
        atoms = QList<Atom>(reinterpret_cast<Atom*>(data), reinterpret_cast<Atom*>(data) + count);
        XFree(data);
    }
    return atoms;
}

// Takes the next event of that type, letting Qt run meanwhile.
bool waitForEvent(Display* display, int type, XEvent* event)
{
    QDeadlineTimer deadline(5000);
    while (!XCheckTypedEvent(display, type, event)) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(10);
    }
    return true;
}

bool redirectRefused = false;
int noteRedirectRefused(Display*, XErrorEvent* error)
{
    redirectRefused = error->error_code == BadAccess;
    return 0;
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Without a session bus the runtime folder decides: one copy at a time, a later copy's
    // request reaches the holder, and the claim goes with its holder.
    void oneCopyPerRuntimeFolder()
    {
        QTemporaryDir run;
        QVERIFY(run.isValid());
        QVERIFY(QFile::setPermissions(run.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        const SessionSingleInstance::Names names{QStringLiteral("example.orvenda.LexaroTest"),
                                                 QStringLiteral("/test"), run.path()};
        {
            SessionSingleInstance first(names);
            int asked = 0;
            first.onActivationRequested([&asked] { ++asked; });
            QVERIFY(first.tryAcquire());
            SessionSingleInstance second(names);
            QVERIFY(!second.tryAcquire());
            QTRY_COMPARE(asked, 1);
            QVERIFY(first.tryAcquire()); // asking again keeps it
        }
        SessionSingleInstance third(names);
        QVERIFY(third.tryAcquire());
    }

    // This test plays the window manager: the X server hands it the map requests and the
    // state messages. Stacking must change through _NET_WM_STATE only, never by unmapping.
    void stackingThroughNetWmState()
    {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11 || !x11->display())
            QSKIP("not on X11");
        Display* wm = XOpenDisplay(nullptr);
        QVERIFY(wm);
        const Window root = DefaultRootWindow(wm);
        const auto previousHandler = XSetErrorHandler(noteRedirectRefused);
        XSelectInput(wm, root, SubstructureRedirectMask | SubstructureNotifyMask);
        XSync(wm, False);
        XSetErrorHandler(previousHandler);
        if (redirectRefused)
            QSKIP("another window manager is running");
        const Atom above = XInternAtom(wm, "_NET_WM_STATE_ABOVE", False);
        const Atom skipTaskbar = XInternAtom(wm, "_NET_WM_STATE_SKIP_TASKBAR", False);
        const Atom skipPager = XInternAtom(wm, "_NET_WM_STATE_SKIP_PAGER", False);
        const auto sorted = [](QList<Atom> atoms) {
            std::sort(atoms.begin(), atoms.end());
            return atoms;
        };

        X11WindowStacking stacking(x11->display());
        QWidget window;
        window.resize(200, 100);
        stacking.keepOutOfTaskbar(&window);
        stacking.setTopMost(&window, true);
        window.show();
        XEvent event;
        QVERIFY(waitForEvent(wm, MapRequest, &event));
        const Window id = event.xmaprequest.window;
        QCOMPARE(id, Window(window.winId()));
        QCOMPARE(sorted(netWmState(wm, id)), sorted({above, skipTaskbar, skipPager}));
        XMapWindow(wm, id);
        XSync(wm, False);
        // What Qt sent on its own while making the window (it clears the states its window
        // flags do not ask for, to a window not yet managed).
        while (XCheckMaskEvent(wm, SubstructureNotifyMask, &event) ||
               XCheckTypedEvent(wm, ClientMessage, &event)) {
        }

        // Shown: a message to the root window, and nothing else happens to the window.
        stacking.setTopMost(&window, false);
        QVERIFY(waitForEvent(wm, ClientMessage, &event));
        QCOMPARE(event.xclient.window, id);
        QCOMPARE(event.xclient.message_type, XInternAtom(wm, "_NET_WM_STATE", False));
        QCOMPARE(event.xclient.data.l[0], 0L);
        QCOMPARE(Atom(event.xclient.data.l[1]), above);
        // Everything the program sent has been dealt with by the server, and every event it
        // caused has reached the window manager.
        XSync(x11->display(), False);
        XSync(wm, False);
        QVERIFY(!XCheckMaskEvent(wm, SubstructureNotifyMask | SubstructureRedirectMask, &event));

        // Hidden, the window manager drops the property; the next showing brings back what
        // was asked, including a change made while hidden.
        window.hide();
        QVERIFY(waitForEvent(wm, UnmapNotify, &event));
        XDeleteProperty(wm, id, XInternAtom(wm, "_NET_WM_STATE", False));
        XSync(wm, False);
        stacking.setTopMost(&window, true);
        window.show();
        QVERIFY(waitForEvent(wm, MapRequest, &event));
        QCOMPARE(sorted(netWmState(wm, id)), sorted({above, skipTaskbar, skipPager}));
        QVERIFY(!XCheckTypedEvent(wm, ClientMessage, &event));
        XCloseDisplay(wm);
    }

    void layoutGroups_data()
    {
        QTest::addColumn<QByteArray>("layout");
        QTest::addColumn<QByteArray>("layouts");
        QTest::addColumn<QByteArray>("variants");
        QTest::addColumn<int>("group"); // -1: not configured
        QTest::newRow("us,ir Persian")
            << QByteArray("ir") << QByteArray("us,ir") << QByteArray(",") << 1;
        QTest::newRow("us,ir English")
            << QByteArray("us") << QByteArray("us,ir") << QByteArray(",") << 0;
        QTest::newRow("no Persian")
            << QByteArray("ir") << QByteArray("us,de") << QByteArray("") << -1;
        QTest::newRow("plain before variant")
            << QByteArray("us") << QByteArray("us,de,us") << QByteArray("intl,,") << 2;
        QTest::newRow("variant only")
            << QByteArray("us") << QByteArray("de,us") << QByteArray(",dvorak") << 1;
        QTest::newRow("beyond four groups")
            << QByteArray("ir") << QByteArray("us,de,fr,se,ir") << QByteArray("") << -1;
    }

    void layoutGroups()
    {
        QFETCH(QByteArray, layout);
        QFETCH(QByteArray, layouts);
        QFETCH(QByteArray, variants);
        QFETCH(int, group);
        QCOMPARE(X11KeyboardLayoutSwitcher::groupOf(layout, layouts, variants).value_or(-1), group);
    }

    // Needs an X server (the test runs under xvfb-run) and setxkbmap.
    void locksTheGroupOnX11()
    {
        Display* display = XOpenDisplay(nullptr);
        if (!display)
            QSKIP("no X display");
        if (QProcess::execute(QStringLiteral("setxkbmap"),
                              {QStringLiteral("-layout"), QStringLiteral("us,ir")}) != 0)
            QSKIP("setxkbmap is not available");
        const auto group = [display] {
            XkbStateRec state;
            XkbGetState(display, XkbUseCoreKbd, &state);
            return int(state.locked_group);
        };
        X11KeyboardLayoutSwitcher switcher;
        switcher.activate(QStringLiteral("00000429"));
        QTRY_COMPARE(group(), 1);
        switcher.activate(QStringLiteral("00000409"));
        QTRY_COMPARE(group(), 0);

        // A layout the user has not configured changes nothing: the German group stays.
        QProcess::execute(QStringLiteral("setxkbmap"),
                          {QStringLiteral("-layout"), QStringLiteral("us,de")});
        XkbLockGroup(display, XkbUseCoreKbd, 1);
        XSync(display, False);
        QTRY_COMPARE(group(), 1);
        switcher.activate(QStringLiteral("00000429"));
        // Again: it reads the layouts first, a round trip on the switcher's connection, so the
        // server has dealt with whatever the first one sent when this returns.
        switcher.activate(QStringLiteral("00000429"));
        QCOMPARE(group(), 1);
        switcher.activate(QStringLiteral("12345678"));
        QCOMPARE(group(), 1);
        QProcess::execute(QStringLiteral("setxkbmap"),
                          {QStringLiteral("-layout"), QStringLiteral("us")});
        XCloseDisplay(display);
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
