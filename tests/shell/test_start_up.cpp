#include "clipboard/clipboard_watchers.h"
#include "fakes/fake_platform.h"
#include "shell/lexaro_form.h"
#include "shell/splash_form.h"
#include "shell/start_up.h"
#include "support/test_database.h"
#include "translation/not_found_text.h"
#include "ui/message_box_form.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace lexaro;
using namespace lexaro::fakes;

class TestStartUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void labelsAsDesigned()
    {
        FakeIdentity identity;
        SplashForm splash;
        splash.fillLabels(identity);
        const auto text = [&splash](const char* name) {
            return splash.label(QLatin1StringView(name))->text();
        };
        QCOMPARE(text("VersionLabel"), QStringLiteral("Version: 4.0.0 alpha"));
        QCOMPARE(text("LastupdateLabel"), QStringLiteral("Last update: 2019/11/21"));
        QCOMPARE(text("RegisteredtoLabel"), QStringLiteral("Registered to:"));
        QCOMPARE(text("UsernameLabel"), QStringLiteral("Username: parisa"));
        QCOMPARE(text("ComputernameLabel"), QStringLiteral("Computer name: desk-7"));
        QCOMPARE(text("CompanynameLabel"), QStringLiteral("Powered by Orvenda Corporate"));
        QVERIFY(!text("CopyrightLabel").isEmpty());
        QVERIFY(!text("TrademarksLabel").isEmpty());
        QVERIFY(!text("LblWarning").isEmpty());
        QCOMPARE(splash.size(), QSize(401, 497));
        QCOMPARE(splash.label(QStringLiteral("VersionLabel"))->geometry(), QRect(40, 128, 345, 17));

        identity.user.clear();
        identity.computer.clear();
        splash.fillLabels(identity);
        QCOMPARE(text("UsernameLabel"), QStringLiteral("Username: "));
        QCOMPARE(text("ComputernameLabel"), QStringLiteral("Computer name: "));
    }

    void countdownFromTwo()
    {
        SplashForm splash;
        QLabel* timerLabel = splash.label(QStringLiteral("TimerLabel"));
        QVERIFY(timerLabel->isHidden());
        QCOMPARE(timerLabel->text(), QStringLiteral("2"));
        QSignalSpy finished(&splash, &SplashForm::countdownFinished);
        splash.Timer_Timer();
        QCOMPARE(timerLabel->text(), QStringLiteral("1"));
        splash.Timer_Timer();
        QCOMPARE(timerLabel->text(), QStringLiteral("0"));
        QCOMPARE(finished.count(), 0);
        splash.Timer_Timer();
        QCOMPARE(finished.count(), 1);
        QVERIFY(!splash.findChild<QTimer*>(QStringLiteral("Timer"))->isActive());
    }

    void secondCopyEndsSilently()
    {
        FakePlatform platform;
        platform.singleInstance->available = false;
        StartUp startUp(platform.services);
        QCOMPARE(int(startUp.begin(QStringLiteral("/nonexistent/Lexaro.db"))),
                 int(StartUp::Outcome::AlreadyRunning));
        QVERIFY(!startUp.splash());
        QVERIFY(platform.sound->played.isEmpty());
        QVERIFY(QApplication::topLevelWidgets().isEmpty() || !QApplication::activeModalWidget());
    }

    void databaseFailureShowsTheMessageOnly()
    {
        FakePlatform platform;
        StartUp startUp(platform.services);
        QCOMPARE(int(startUp.begin(QStringLiteral("/nonexistent/Lexaro.db"))),
                 int(StartUp::Outcome::DatabaseFailed));
        QVERIFY(!startUp.splash());

        bool soundBeforeBox = false;
        platform.sound->onPlay = [&soundBeforeBox](const QString&) {
            soundBeforeBox = QApplication::activeModalWidget() == nullptr;
        };
        QString shownName;
        QString shownPicture;
        int topLevelMainWindows = 0;
        QTimer::singleShot(0, qApp, [&] {
            auto* box = qobject_cast<MessageBoxForm*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shownName = box->objectName();
            shownPicture = box->visiblePicture();
            for (QWidget* w : QApplication::topLevelWidgets())
                topLevelMainWindows += qobject_cast<LexaroForm*>(w) != nullptr;
            QTest::keyClick(box, Qt::Key_Enter);
        });
        startUp.showDatabaseFailure();
        QCOMPARE(shownName, QStringLiteral("SplashMessagebox"));
        QCOMPARE(shownPicture, QStringLiteral("UnabletoconnecttodatabaseImage"));
        QCOMPARE(topLevelMainWindows, 0);
        QVERIFY(soundBeforeBox);
        QCOMPARE(platform.sound->played.size(), 1);
        QVERIFY(platform.sound->played[0].endsWith(QStringLiteral("/Message box/Critical.wav")));
    }

    void handsOverToTheMainWindow()
    {
        testing::TestDatabase db;
        db.insert(DictionaryId::English, {{QStringLiteral("house"), QStringLiteral("x")}});
        FakePlatform platform;
        StartUp startUp(platform.services);
        QCOMPARE(int(startUp.begin(db.path())), int(StartUp::Outcome::Started));
        QVERIFY(startUp.splash()->isVisible());
        QSignalSpy shown(&startUp, &StartUp::mainWindowShown);
        QVERIFY(shown.wait(2000));
        QVERIFY(startUp.mainWindow()->isVisible());
        QVERIFY(!startUp.splash()->isVisible());
        QCOMPARE(startUp.mainWindow()->dictionaryNameLabel()->text(),
                 QStringLiteral("English to persian dictionary"));
        QCOMPARE(platform.tray->tip, QStringLiteral("TrayIcon"));

        // The clipboard watchers and the main window are wired together: a copy is looked up,
        // not during the edit command's pause, and a minimised window makes way for the pop-up.
        LexaroForm& form = *startUp.mainWindow();
        platform.clipboard->copy(QStringLiteral("house"));
        QCOMPARE(form.searchText(), QStringLiteral("house"));
        ClipboardWatchers& watchers = *startUp.clipboardWatchers();
        watchers.setSearchWatcherPaused(true);
        platform.clipboard->copy(QStringLiteral("home"));
        watchers.markClipboardSeen();
        watchers.setSearchWatcherPaused(false);
        QCOMPARE(form.searchText(), QStringLiteral("house"));
        platform.clipboard->copy(QStringLiteral("cat"));
        QCOMPARE(form.searchText(), QStringLiteral("cat"));
        form.showMinimized();
        QTRY_VERIFY(!form.isVisible());
        NotificationForm* popUp = startUp.clipboardWatchers()->notificationForm();
        QVERIFY(popUp);
        // The pop-up finds the dictionary form of an inflected word, as the window does.
        platform.clipboard->copy(QStringLiteral("Houses."));
        QCOMPARE(popUp->translationText()->toPlainText(), notFoundText() + u"\n\nhouse\nx");
        // Starting the program again brings the window back, restored.
        platform.singleInstance->activate();
        QVERIFY(form.isVisible() && !form.isMinimized());
        // A click on the icon counts what the clipboard holds as seen, and keeps it.
        platform.clipboard->content = QStringLiteral("later");
        platform.tray->click();
        QCOMPARE(startUp.clipboardWatchers()->prevString(), QStringLiteral("later"));
        QCOMPARE(platform.clipboard->content, QStringLiteral("later"));
    }
};

QTEST_MAIN(TestStartUp)
#include "test_start_up.moc"
