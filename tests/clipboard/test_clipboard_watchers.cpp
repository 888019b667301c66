#include "clipboard/clipboard_watcher_host.h"
#include "clipboard/clipboard_watchers.h"
#include "clipboard/notification_form.h"
#include "fakes/fake_platform.h"
#include "support/test_database.h"
#include "translation/not_found_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace lexaro;

namespace {

const QString House = QStringLiteral("house");
const QString Cat = QStringLiteral("cat");
const QString HouseFa = QStringLiteral("\u062E\u0627\u0646\u0647");
const QString CatFa = QStringLiteral("\u06AF\u0631\u0628\u0647");

class FakeHost final : public ClipboardWatcherHost
{
public:
    void writeSearchText(const QString& text) override { written << text; }
    std::optional<DictionaryId> currentDictionary() const override { return dictionary; }
    bool isMinimised() const override { return minimised; }
    void hideWindow() override { ++hides; }

    QStringList written;
    std::optional<DictionaryId> dictionary = DictionaryId::English;
    bool minimised = false;
    int hides = 0;
};

// The watchers on a clipboard that the test copies to, beside a fake main window.
struct Watch
{
    Watch()
    {
        db.insert(DictionaryId::English, {{House, HouseFa}, {Cat, CatFa}});
        store = db.open();
    }
    void start()
    {
        watchers = std::make_unique<ClipboardWatchers>(
            *platform.clipboard, host,
            NotificationForm::Services{*store, *platform.sound, *platform.keyboard,
                                       *platform.stacking, *platform.workArea, *platform.clock});
    }
    void minimise()
    {
        host.minimised = true;
        watchers->MainWindow_Minimised();
    }
    NotificationForm* popUp() const { return watchers->notificationForm(); }
    void copy(const QString& text) { platform.clipboard->copy(text); }

    testing::TestDatabase db;
    std::unique_ptr<DictionaryStore> store;
    fakes::FakePlatform platform;
    FakeHost host;
    std::unique_ptr<ClipboardWatchers> watchers;
};

} // namespace

class TestClipboardWatchers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The empty text stands for an image, a list of files or nothing.
    void searchBoxGetsEachNewText_data()
    {
        QTest::addColumn<QString>("beforeStart");
        QTest::addColumn<QStringList>("copies");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("same text twice")
            << QString() << QStringList{House, House} << QStringList{House};
        QTest::newRow("same text after an image")
            << QString() << QStringList{House, QString(), House} << QStringList{House};
        QTest::newRow("letter case") << QString() << QStringList{House, QStringLiteral("House")}
                                     << QStringList{House, QStringLiteral("House")};
        QTest::newRow("trailing space") << QString() << QStringList{House, QStringLiteral("house ")}
                                        << QStringList{House, QStringLiteral("house ")};
        QTest::newRow("images and files only")
            << QString() << QStringList{QString(), QString()} << QStringList{};
        QTest::newRow("copied before the start")
            << House << QStringList{House, Cat} << QStringList{Cat};
    }

    void searchBoxGetsEachNewText()
    {
        QFETCH(QString, beforeStart);
        QFETCH(QStringList, copies);
        QFETCH(QStringList, written);
        Watch w;
        w.platform.clipboard->content = beforeStart;
        w.start();
        for (const QString& text : copies)
            w.copy(text);
        QCOMPARE(w.host.written, written);
        // The main window is open: no pop-up, nothing hidden.
        QCOMPARE(w.host.hides, 0);
        QVERIFY(!w.popUp());
    }

    void popUpWhileMinimised()
    {
        Watch w;
        w.start();
        // Copied while the window was open, shown as soon as it is minimised.
        w.copy(House);
        QCOMPARE(w.host.written, QStringList{House});
        QVERIFY(!w.popUp());
        w.minimise();
        QCOMPARE(w.host.hides, 1);
        QPointer<NotificationForm> popUp = w.popUp();
        QVERIFY(popUp && popUp->isVisible());
        QCOMPARE(popUp->wordText()->text(), House);
        QCOMPARE(popUp->translationText()->toPlainText(), HouseFa);
        QCOMPARE(popUp->dictionaryNameLabel()->text(),
                 QStringLiteral("English to persian dictionary"));
        QCOMPARE(w.platform.sound->played.size(), 1);
        QVERIFY(w.platform.sound->played[0].endsWith(u"/Notification/Notification.wav"));

        // A new word fifteen seconds later: the same pop-up where it was, the countdown going on.
        w.platform.clock->advance(std::chrono::seconds(15));
        const QPoint place = popUp->pos();
        w.copy(Cat);
        QCOMPARE(w.popUp(), popUp.data());
        QCOMPARE(popUp->wordText()->text(), Cat);
        QCOMPARE(popUp->translationText()->toPlainText(), CatFa);
        QCOMPARE(popUp->timerLabel()->text(), QStringLiteral("10"));
        QCOMPARE(popUp->pos(), place);
        QCOMPARE(w.platform.sound->played.size(), 2);
        QCOMPARE(w.host.written, (QStringList{House, Cat}));

        // The same text again hides the window again and shows nothing new; an image does
        // neither.
        w.copy(Cat);
        QCOMPARE(w.host.hides, 3);
        QCOMPARE(w.platform.sound->played.size(), 2);
        w.copy(QString());
        QCOMPARE(w.host.hides, 3);
        w.copy(Cat);
        QCOMPARE(w.host.hides, 4);
        QCOMPARE(w.platform.sound->played.size(), 2);

        // It closes 20.5 s after its load, 5.5 s after the second word.
        w.platform.clock->advance(std::chrono::milliseconds(5499));
        QVERIFY(popUp && popUp->isVisible());
        w.platform.clock->advance(std::chrono::milliseconds(1));
        QTRY_VERIFY(!popUp);
        QVERIFY(!w.popUp());

        // Opened and minimised again with the word already shown: hidden, no pop-up.
        w.host.minimised = false;
        w.minimise();
        QCOMPARE(w.host.hides, 5);
        QVERIFY(!w.popUp());

        // The next pop-up is a fresh one.
        w.copy(QStringLiteral("dog"));
        QVERIFY(w.popUp());
        QCOMPARE(w.popUp()->timerLabel()->text(), QStringLiteral("40"));
        QCOMPARE(w.popUp()->translationText()->toPlainText(), notFoundText());
        QCOMPARE(w.platform.sound->played.size(), 3);
    }

    void nothingCopiedDuringAPauseIsLookedUp()
    {
        Watch w;
        w.start();
        w.watchers->setSearchWatcherPaused(true);
        w.copy(House);
        QVERIFY(w.host.written.isEmpty());
        // The end of an edit: the clipboard counts as seen, then the watcher resumes.
        w.watchers->markClipboardSeen();
        w.watchers->setSearchWatcherPaused(false);
        QVERIFY(w.host.written.isEmpty());
        w.copy(House);
        QVERIFY(w.host.written.isEmpty());
        w.copy(Cat);
        QCOMPARE(w.host.written, QStringList{Cat});

        // A copy whose text was still on its way when the clipboard was marked as seen is seen
        // by both watchers when it arrives.
        w.platform.clipboard->announce();
        w.watchers->markClipboardSeen();
        w.platform.clipboard->arrive(House);
        QCOMPARE(w.host.written, QStringList{Cat});
        w.minimise();
        QCOMPARE(w.host.hides, 1);
        QVERIFY(!w.popUp());
    }
};

QTEST_MAIN(TestClipboardWatchers)
#include "test_clipboard_watchers.moc"
