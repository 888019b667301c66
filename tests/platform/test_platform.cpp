#include "platform/linux/lock_file_single_instance.h"
#include "platform/linux/x11_keyboard_layout_switcher.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <X11/XKBlib.h>

using namespace lexaro;

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneCopyAtATime()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("lexaro.lock"));
        {
            LockFileSingleInstance first(lock);
            LockFileSingleInstance second(lock);
            QVERIFY(first.tryAcquire());
            QVERIFY(!second.tryAcquire());
            QVERIFY(first.tryAcquire()); // asking again keeps it
        }
        // Released with its holder.
        LockFileSingleInstance third(lock);
        QVERIFY(third.tryAcquire());
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

        // A layout the user has not configured changes nothing.
        QProcess::execute(QStringLiteral("setxkbmap"),
                          {QStringLiteral("-layout"), QStringLiteral("us,de")});
        switcher.activate(QStringLiteral("00000429"));
        QTest::qWait(50);
        QCOMPARE(group(), 0);
        switcher.activate(QStringLiteral("12345678"));
        QCOMPARE(group(), 0);
        QProcess::execute(QStringLiteral("setxkbmap"),
                          {QStringLiteral("-layout"), QStringLiteral("us")});
        XCloseDisplay(display);
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "test_platform.moc"
