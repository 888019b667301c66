#include "fakes/fake_messages.h"
#include "fakes/fake_platform.h"
#include "help/about_form.h"
#include "help/help_menu.h"
#include "help/helpandsupport_form.h"
#include "ui/clickable_text.h"
#include "ui/message_box_form.h"
#include "ui/modal_message_service.h"
#include "ui/program_files.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using namespace lexaro;
using namespace lexaro::fakes;
using namespace Qt::StringLiterals;

namespace {

QString helpFolder()
{
    return programFile(u"\\Help and support");
}

ClickableText* clickable(const QWidget& window, const QString& name)
{
    return window.findChild<ClickableText*>(name);
}

// Reads the message box shown by `act`, then closes it with Enter.
QString visiblePictureWhile(const std::function<void()>& act)
{
    QString picture = QStringLiteral("no message box");
    QTimer::singleShot(0, qApp, [&picture] {
        if (auto* box = qobject_cast<MessageBoxForm*>(QApplication::activeModalWidget())) {
            picture = box->objectName() + u'/' + box->visiblePicture();
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    act();
    return picture;
}

} // namespace

class TestHelpWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDir(helpFolder()).removeRecursively();
    }
    void cleanup() { QDir(helpFolder()).removeRecursively(); }

    void aboutLabels()
    {
        FakePlatform platform;
        AboutForm about({*platform.identity, *platform.shell, *platform.keyboardMap});
        const std::pair<const char*, const char*> expected[] = {
            {"VersionLabel", "Version: 4.0.0 alpha"},
            {"LastupdateLabel", "Last update: 2019/11/21"},
            {"WeblogLabel", "http://weblog.orvenda.example"},
            {"WebsiteLabel", "http://www.orvenda.example"},
            {"UsernameLabel", "Username: parisa"},
            {"ComputernameLabel", "Computer name: desk-7"},
            {"CompanynameLabel", "Powered by Orvenda Corporate"}};
        for (const auto& [label, caption] : expected)
            QCOMPARE(about.caption(QLatin1StringView(label)), QLatin1StringView(caption));
        // The legal warning shows its last line too, in whatever face stands in for Tahoma,
        // and stays clear of the company line.
        const auto* warning = about.findChild<QLabel*>(QStringLiteral("LblWarning"));
        QVERIFY(warning->text().endsWith(u"severe civil and criminal penalties."));
        QVERIFY(warning->heightForWidth(warning->width()) <= warning->height());
        QVERIFY(warning->geometry().bottom() <
                about.findChild<QLabel*>(QStringLiteral("CompanynameLabel"))->geometry().top());

        // The addresses open exactly as shown, and the window stays.
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        for (const char* address : {"WeblogLabel", "WebsiteLabel"})
            QTest::mouseClick(clickable(about, QLatin1StringView(address)), Qt::LeftButton);
        QCOMPARE(platform.shell->opened,
                 QStringList({about.caption(QStringLiteral("WeblogLabel")),
                              about.caption(QStringLiteral("WebsiteLabel"))}));
        QVERIFY(about.isVisible());

        platform.identity->user.clear();
        platform.identity->computer.clear();
        AboutForm unnamed({*platform.identity, *platform.shell, *platform.keyboardMap});
        QCOMPARE(unnamed.caption(QStringLiteral("UsernameLabel")), QStringLiteral("Username: "));
        QCOMPARE(unnamed.caption(QStringLiteral("ComputernameLabel")),
                 QStringLiteral("Computer name: "));
    }

    void aboutClosingKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << true;
        QTest::newRow("Shift+Enter") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << true;
        QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << int(Qt::ControlModifier) << true;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
        QTest::newRow("Alt+O") << int(Qt::Key_O) << int(Qt::AltModifier) << true;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << false;
    }

    void aboutClosingKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, closes);
        FakePlatform platform;
        AboutForm about({*platform.identity, *platform.shell, *platform.keyboardMap});
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("OkCommandbutton"));
        QTest::keyClick(about.windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_COMPARE(about.isVisible(), !closes);
        QVERIFY(platform.shell->opened.isEmpty());
    }

    void eachDocumentMissingThenPresent_data()
    {
        // Label and picture follow from the document's name: "Add word" is AddwordLabel and
        // ThefileaddwordhasbeendamagedImage.
        QTest::addColumn<QString>("document");
        for (const char* name :
             {"Orvenda Lexaro 2019", "New features", "System requirements", "Add word", "Edit word",
              "Delete word", "Listen word", "Refresh database", "Help and support",
              "About Orvenda Lexaro 2019", "Microsoft Windows 7", "Microsoft Windows 8 and 10",
              "Contacts us"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void eachDocumentMissingThenPresent()
    {
        QFETCH(QString, document);
        const QString joined = document.toLower().remove(u' ');
        const QString label = joined.at(0).toUpper() + joined.mid(1) + u"Label"_s;
        const QString picture = u"Thefile"_s + joined + u"hasbeendamagedImage"_s;
        const QString text = u"The file ("_s + document + u") has been damaged."_s;
        FakeMessageService messages;
        FakeShellOpener shell;
        HelpandsupportForm help(messages, shell);
        ClickableText* labelled = clickable(help, label);
        QVERIFY(labelled);

        labelled->click();
        QCOMPARE(messages.shown.size(), 1);
        const Message& shown = messages.shown[0].message;
        QCOMPARE(shown.form().name, QStringLiteral("HelpandsupportMessagebox"));
        QCOMPARE(shown.picture().controlName, picture);
        QCOMPARE(shown.picture().text, text);
        QCOMPARE(shown.picture().sound, Sound::Critical);
        QVERIFY(shell.opened.isEmpty());

        // Whatever the file holds, it goes to the viewer as it is.
        QVERIFY(QDir().mkpath(helpFolder()));
        const QString path = helpFolder() + u'/' + document + u".pdf"_s;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a PDF") > 0);
        file.close();
        labelled->click();
        QCOMPARE(shell.opened, QStringList{path});
        QCOMPARE(help.documentPath(), path);
        QCOMPARE(messages.shown.size(), 1);
    }

    void twoMissingDocumentsEachShowTheirOwn()
    {
        FakeSoundPlayer sound;
        FakeKeyboardMap keys;
        FakeStacking stacking;
        ModalMessageService messages(sound, keys, stacking);
        FakeShellOpener shell;
        HelpandsupportForm help(messages, shell);
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));

        const QString add =
            visiblePictureWhile([&] { clickable(help, QStringLiteral("AddwordLabel"))->click(); });
        const QString edit =
            visiblePictureWhile([&] { clickable(help, QStringLiteral("EditwordLabel"))->click(); });
        QCOMPARE(add, QStringLiteral("HelpandsupportMessagebox/ThefileaddwordhasbeendamagedImage"));
        QCOMPARE(edit,
                 QStringLiteral("HelpandsupportMessagebox/ThefileeditwordhasbeendamagedImage"));
        QCOMPARE(sound.played.size(), 2);
        for (const QString& played : sound.played)
            QVERIFY(played.endsWith(QStringLiteral("/Message box/Critical.wav")));
        QVERIFY(help.isVisible());
    }

    // The headings do nothing; Tab walks the thirteen documents in menu order, each named for
    // a screen reader by its caption, and Enter opens the one it stands on.
    void headingsMouseAndKeyboard()
    {
        FakeMessageService messages;
        FakeShellOpener shell;
        HelpandsupportForm help(messages, shell);
        help.show();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        for (const char* name : {"GettoknowlexaroLabel", "RegionandlanguageLabel"}) {
            auto* heading = help.findChild<QLabel*>(QLatin1StringView(name));
            QVERIFY(heading && heading->toolTip().isEmpty());
            QTest::mouseClick(heading, Qt::LeftButton);
        }
        QVERIFY(messages.shown.isEmpty());

        QStringList reached;
        QStringList documents;
        for (const HelpMenuItem& item : helpMenu()) {
            if (!item.isDocument())
                continue;
            documents << item.labelName;
            QWidget* focused = QApplication::focusWidget();
            reached << focused->objectName();
            QCOMPARE(QAccessible::queryAccessibleInterface(focused)->text(QAccessible::Name),
                     item.caption);
            QTest::keyClick(help.windowHandle(), Qt::Key_Tab);
        }
        QCOMPARE(reached, documents);
        QTest::keyClick(help.windowHandle(), Qt::Key_Backtab);
        QTest::keyClick(help.windowHandle(), Qt::Key_Return);
        QTRY_COMPARE(messages.lastPicture(),
                     QStringLiteral("ThefilecontactsushasbeendamagedImage"));
        QVERIFY(shell.opened.isEmpty());
        QTest::keyClick(help.windowHandle(), Qt::Key_Escape); // only the close box closes it
        QVERIFY(help.isVisible());
    }
};

QTEST_MAIN(TestHelpWindows)
#include "test_help_windows.moc"
