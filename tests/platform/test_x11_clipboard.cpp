#include "fakes/fake_clock.h"
#include "platform/linux/x11_clipboard.h"
#include "platform/linux/x11_selection_reader.h"
#include "platform/linux/x11_work_area.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>

#include <memory>
#include <mutex>

using namespace lexaro;

Q_DECLARE_METATYPE(lexaro::X11WorkArea::Strut)

// The X11 clipboard as other programs fill it: xclip for ordinary owners, and a helper that
// never answers or that copies a hundred times a second. Runs under xvfb-run.
class TestX11Clipboard : public QObject
{
    Q_OBJECT

    fakes::FakeClock m_clock;
    std::unique_ptr<X11Clipboard> m_clipboard;

    // Another program copies; xclip keeps serving the data until the next copy.
    static void copy(const QByteArray& data, const QString& type = {})
    {
        QStringList arguments{QStringLiteral("-selection"), QStringLiteral("clipboard")};
        if (!type.isEmpty())
            arguments << QStringLiteral("-t") << type;
        QProcess xclip;
        xclip.start(QStringLiteral("xclip"), arguments);
        QVERIFY(xclip.waitForStarted());
        xclip.write(data);
        xclip.closeWriteChannel();
        QVERIFY(xclip.waitForFinished(20000)); // it goes on serving in the background
    }

    static QByteArray pasted(const QString& type)
    {
        QProcess xclip;
        xclip.start(QStringLiteral("xclip"),
                    {QStringLiteral("-o"), QStringLiteral("-selection"),
                     QStringLiteral("clipboard"), QStringLiteral("-t"), type});
        xclip.waitForFinished(20000);
        return xclip.readAllStandardOutput();
    }

    // Waits until the text of a change announced after `before` has arrived.
    bool arrivedAfter(quint64 before) const
    {
        return m_clipboard->announcedChanges() > before &&
               m_clipboard->textChange() == m_clipboard->announcedChanges();
    }

    static std::unique_ptr<QProcess> startOwner(const QStringList& arguments)
    {
        auto owner = std::make_unique<QProcess>();
        owner->start(QStringLiteral("/usr/bin/python3"),
                     QStringList{QStringLiteral(LEXARO_PROGRAM_TESTS_DIR "/clipboard_owner.py")} +
                         arguments);
        if (!owner->waitForReadyRead(20000) || !owner->readLine().startsWith("ready"))
            return nullptr;
        return owner;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != u"xcb")
            QSKIP("needs an X server");
        if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
            QSKIP("xclip is not installed");
        m_clipboard = std::make_unique<X11Clipboard>(m_clock);
        QVERIFY(m_clipboard->isWatching());
    }

    void readsOnlyTextAsText_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("text");
        QTest::newRow("text, exactly as copied") << QByteArray("\xC3\x9C"
                                                               "ber house \n")
                                                 << QString() << QStringLiteral("Über house \n");
        QTest::newRow("image") << QByteArray("\x89PNG\r\n\x1a\n...") << QStringLiteral("image/png")
                               << QString();
        QTest::newRow("list of files") << QByteArray("file:///home/parisa/notes.txt\n")
                                       << QStringLiteral("text/uri-list") << QString();
        QTest::newRow("10 MB of text, in pieces")
            << QByteArray(10'000'000, 'a') << QString() << QString(10'000'000, u'a');
    }

    void readsOnlyTextAsText()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, type);
        QFETCH(QString, text);
        const quint64 before = m_clipboard->announcedChanges();
        copy(data, type);
        QTRY_VERIFY_WITH_TIMEOUT(arrivedAfter(before), 20000);
        QCOMPARE(m_clipboard->text().size(), text.size());
        QCOMPARE(m_clipboard->text(), text);
        // Reading took nothing away from the clipboard.
        QCOMPARE(pasted(type.isEmpty() ? QStringLiteral("UTF8_STRING") : type), data);
    }

    void copiedFilesAreNoText()
    {
        // As file managers copy a file: a list of files, and its path as text beside it.
        copy("dog");
        QTRY_COMPARE_WITH_TIMEOUT(m_clipboard->text(), QStringLiteral("dog"), 20000);
        const quint64 before = m_clipboard->announcedChanges();
        const std::unique_ptr<QProcess> files =
            startOwner({QStringLiteral("files"), QStringLiteral("/home/parisa/house")});
        QVERIFY(files);
        QTRY_VERIFY_WITH_TIMEOUT(arrivedAfter(before), 20000);
        QCOMPARE(m_clipboard->text(), QString());
        QCOMPARE(pasted(QStringLiteral("UTF8_STRING")), QByteArray("/home/parisa/house"));
        files->kill();
        files->waitForFinished();
    }

    void silentOwnerHoldsUpNothing()
    {
        const quint64 before = m_clipboard->announcedChanges();
        const std::unique_ptr<QProcess> silent = startOwner({QStringLiteral("silent")});
        QVERIFY(silent);
        QTRY_VERIFY(m_clipboard->announcedChanges() > before);
        QVERIFY(m_clipboard->textChange() <= before); // no answer, so no text of its own
        // The next copy is read at once: its reader does not wait out the silent owner.
        copy("dog");
        QTRY_COMPARE_WITH_TIMEOUT(m_clipboard->text(), QStringLiteral("dog"),
                                  X11SelectionReader::AnswerTimeoutMs - 500);
        silent->kill();
        silent->waitForFinished();
    }

private:
    // Records every text a reader delivers, with its change.
    struct Deliveries
    {
        std::mutex mutex;
        QList<std::pair<quint64, QString>> list;
        void add(quint64 change, const QString& text)
        {
            const std::lock_guard lock(mutex);
            list.append({change, text});
        }
        QList<std::pair<quint64, QString>> all()
        {
            const std::lock_guard lock(mutex);
            return list;
        }
    };

    // An owner answers the first request only after the reader's clock has moved on by
    // `after`; then another program copies, and that text is read. `change`: the owner's.
    void answerLate(const X11SelectionReader& reader, Deliveries& delivered, const QString& text,
                    std::chrono::milliseconds after, quint64& change)
    {
        const std::unique_ptr<QProcess> owner = startOwner({QStringLiteral("late"), text});
        QVERIFY(owner);
        QByteArray said;
        QTRY_VERIFY((said += owner->readAll()).contains("asked"));
        change = reader.announcedChanges();
        m_clock.advance(after);
        owner->write("\n");
        QTRY_VERIFY((said += owner->readAll()).contains("answered"));
        copy("dog"); // the late owner's answer reaches the reader before this copy does
        QTRY_VERIFY(!delivered.all().isEmpty() && delivered.all().constLast().second == u"dog");
        owner->waitForFinished();
    }

private Q_SLOTS:
    // An owner's answer is awaited for two seconds of the reader's clock: one that answers
    // within them is read, one that answers after them is not, and no test waits them out.
    void lateAnswerCountsOnTheClock()
    {
        Deliveries delivered;
        const X11SelectionReader reader(
            m_clock, [&](quint64 change, const QString& text) { delivered.add(change, text); });
        using std::chrono::milliseconds;
        quint64 inTime = 0;
        answerLate(reader, delivered, QStringLiteral("lamp"),
                   milliseconds(X11SelectionReader::AnswerTimeoutMs - 1), inTime);
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(delivered.all().contains(std::pair(inTime, QStringLiteral("lamp"))));
        quint64 tooLate = 0;
        answerLate(reader, delivered, QStringLiteral("moon"),
                   milliseconds(X11SelectionReader::AnswerTimeoutMs), tooLate);
        QVERIFY(!QTest::currentTestFailed());
        for (const auto& [change, text] : delivered.all())
            QVERIFY2(change != tooLate, qPrintable(text));
    }

    void rapidCopiesEndOnTheLast()
    {
        const std::unique_ptr<QProcess> rapid =
            startOwner({QStringLiteral("rapid"), QStringLiteral("100"), QStringLiteral("water")});
        QVERIFY(rapid);
        QTRY_COMPARE_WITH_TIMEOUT(m_clipboard->text(), QStringLiteral("water"), 20000);
        QCOMPARE(pasted(QStringLiteral("UTF8_STRING")), QByteArray("water"));
        rapid->kill();
        rapid->waitForFinished();
    }

    void workAreaWithoutStruts_data()
    {
        using Strut = X11WorkArea::Strut;
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<Strut>("strut");
        QTest::addColumn<QRect>("area");
        const QRect screen(0, 0, 1280, 1024);
        QTest::newRow("bottom") << screen
                                << Strut{.bottom = 28, .bottomStartX = 1120, .bottomEndX = 1279}
                                << QRect(0, 0, 1280, 996);
        QTest::newRow("right") << screen
                               << Strut{.right = 40, .rightStartY = 900, .rightEndY = 1023}
                               << QRect(0, 0, 1240, 1024);
        // Two screens side by side: a panel along the bottom of the left one.
        QTest::newRow("other screen") << QRect(1280, 0, 1280, 1024)
                                      << Strut{.bottom = 28, .bottomStartX = 0, .bottomEndX = 1279}
                                      << QRect(1280, 0, 1280, 1024);
    }

    void workAreaWithoutStruts()
    {
        QFETCH(QRect, screen);
        QFETCH(X11WorkArea::Strut, strut);
        QFETCH(QRect, area);
        QCOMPARE(X11WorkArea::withoutStruts(screen, QSize(screen.right() + 1, 1024), {strut}),
                 area);
    }

    // No window manager publishes a work area here: the panel's own strut counts.
    void workAreaFromAPanelAlone()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty())
            QSKIP("trayer is not installed");
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect whole = screen->geometry();
        QCOMPARE(X11WorkArea().of(*screen), whole);
        QProcess panel;
        panel.start(QStringLiteral("trayer"),
                    {QStringLiteral("--edge"), QStringLiteral("top"),
                     QStringLiteral("--heighttype"), QStringLiteral("pixel"),
                     QStringLiteral("--height"), QStringLiteral("28"),
                     QStringLiteral("--SetDockType"), QStringLiteral("true"),
                     QStringLiteral("--SetPartialStrut"), QStringLiteral("true")});
        QVERIFY(panel.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(X11WorkArea().of(*screen), whole.adjusted(0, 28, 0, 0), 20000);
        panel.kill();
        panel.waitForFinished();
    }
};

QTEST_MAIN(TestX11Clipboard)
#include "test_x11_clipboard.moc"
