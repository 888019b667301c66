#include "fakes/fake_platform.h"
#include "shell/lexaro_form.h"
#include "shell/main_menu.h"
#include "support/main_window_fixture.h"
#include "ui/product.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>
#include <QWindow>

using namespace lexaro;
using namespace lexaro::fakes;

Q_DECLARE_METATYPE(lexaro::ToolbarCommand)

namespace {

struct Fixture : testing::MainWindowFixture
{
    Fixture()
    {
        db.insert(DictionaryId::English, {{QStringLiteral("house"), QStringLiteral("x")}});
        open();
    }
};

QStringList menuTree(const QMenu& menu, int level)
{
    QStringList rows;
    for (const QAction* a : menu.actions()) {
        rows << QString::number(level) + u' ' + a->objectName() + u' ' +
                    (a->isSeparator() ? QStringLiteral("-") : a->text());
        if (a->menu())
            rows << menuTree(*a->menu(), level + 1);
    }
    return rows;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void menuTreeAsListed()
    {
        MainMenu menu;
        QCOMPARE(menu.objectName(), QStringLiteral("MainMenu"));
        QCOMPARE(menu.title(), QStringLiteral("Main"));
        const QStringList expected{
            QStringLiteral("1 OpenMenu Open Orvenda Lexaro 2019"),
            QStringLiteral("1 Line1Menu -"),
            QStringLiteral("1 ChangedictionaryMenu Change dictionary"),
            QStringLiteral("2 ArabictopersiandictionaryMenu Arabic to persian dictionary"),
            QStringLiteral("2 Line2Menu -"),
            QStringLiteral("2 EnglishtopersiandictionaryMenu English to persian dictionary"),
            QStringLiteral("2 Line3Menu -"),
            QStringLiteral("2 FinnishtopersiandictionaryMenu Finnish to persian dictionary"),
            QStringLiteral("2 Line4Menu -"),
            QStringLiteral("2 FrenchtopersiandictionaryMenu French to persian dictionary"),
            QStringLiteral("2 Line5Menu -"),
            QStringLiteral("2 GermantopersiandictionaryMenu German to persian dictionary"),
            QStringLiteral("2 Line6Menu -"),
            QStringLiteral("2 ItaliantopersiandictionaryMenu Italian to persian dictionary"),
            QStringLiteral("2 Line7Menu -"),
            QStringLiteral("2 SpanishtopersiandictionaryMenu Spanish to persian dictionary"),
            QStringLiteral("2 Line8Menu -"),
            QStringLiteral("2 SwedishtopersiandictionaryMenu Swedish to persian dictionary"),
            QStringLiteral("2 Line9Menu -"),
            QStringLiteral("2 ComputerandinternetdictionaryMenu Computer and internet dictionary"),
            QStringLiteral("1 Line10Menu -"),
            QStringLiteral("1 CheckforupdatesMenu Check for updates..."),
            QStringLiteral("1 Line11Menu -"),
            QStringLiteral("1 ExitMenu Exit"),
        };
        QCOMPARE(menuTree(menu, 1), expected);
    }

    void shortcutMatrix_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("command"); // -1: none
        const int alt = Qt::AltModifier;
        const auto row = [](const char* name, int key, int mods, int command) {
            QTest::newRow(name) << key << mods << command;
        };
        row("Alt+A", Qt::Key_A, alt, int(ToolbarCommand::AddWord));
        row("Alt+E", Qt::Key_E, alt, int(ToolbarCommand::EditWord));
        row("Alt+D", Qt::Key_D, alt, int(ToolbarCommand::DeleteWord));
        row("Alt+L", Qt::Key_L, alt, int(ToolbarCommand::ListenWord));
        row("A", Qt::Key_A, 0, -1);
        row("Alt+Shift+A", Qt::Key_A, alt | Qt::ShiftModifier, -1);
        row("Ctrl+Alt+A", Qt::Key_A, alt | Qt::ControlModifier, -1);
        row("Ctrl+E", Qt::Key_E, Qt::ControlModifier, -1);
        row("Alt+X", Qt::Key_X, alt, -1);
        row("F5", Qt::Key_F5, 0, int(ToolbarCommand::RefreshDatabase));
        row("Ctrl+F5", Qt::Key_F5, Qt::ControlModifier, int(ToolbarCommand::RefreshDatabase));
        row("Ctrl+Alt+Shift+F5", Qt::Key_F5, alt | Qt::ControlModifier | Qt::ShiftModifier,
            int(ToolbarCommand::RefreshDatabase));
        row("F1", Qt::Key_F1, 0, int(ToolbarCommand::HelpAndSupport));
        row("Shift+F1", Qt::Key_F1, Qt::ShiftModifier, int(ToolbarCommand::HelpAndSupport));
        row("F2", Qt::Key_F2, 0, -1);
    }

    void shortcutMatrix()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, command);
        const auto found = shortcutCommand(key, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(found ? int(*found) : -1, command);
        // Keypad keys are the same keys.
        const auto keypad =
            shortcutCommand(key, Qt::KeyboardModifiers(modifiers) | Qt::KeypadModifier);
        QCOMPARE(keypad ? int(*keypad) : -1, command);
    }

    void shortcutsWorkWhereverTheFocusIs()
    {
        Fixture f;
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        QSignalSpy started(f.form.get(), &LexaroForm::commandStarted);
        for (QWidget* focus : {static_cast<QWidget*>(f.form->searchCombo()),
                               static_cast<QWidget*>(f.form->translationText())}) {
            focus->setFocus();
            started.clear();
            QTest::keyClick(f.form->windowHandle(), Qt::Key_A, Qt::AltModifier);
            QTest::keyClick(f.form->windowHandle(), Qt::Key_F5, Qt::ControlModifier);
            QTest::keyClick(f.form->windowHandle(), Qt::Key_A, Qt::AltModifier | Qt::ShiftModifier);
            QCOMPARE(started.count(), 2);
            QCOMPARE(started[0][0].value<ToolbarCommand>(), ToolbarCommand::AddWord);
            QCOMPARE(started[1][0].value<ToolbarCommand>(), ToolbarCommand::RefreshDatabase);
        }
        // The key still reaches the focused control.
        f.form->searchCombo()->setFocus();
        f.form->searchCombo()->setEditText(QString());
        QTest::keyClick(f.form->windowHandle(), Qt::Key_A, Qt::AltModifier);
        QTest::keyClick(f.form->windowHandle(), Qt::Key_H);
        QCOMPARE(f.form->searchCombo()->currentText(), QStringLiteral("h"));
    }

    void shortcutsFollowThePhysicalKey()
    {
        Fixture f;
        f.form->show();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        QSignalSpy started(f.form.get(), &LexaroForm::commandStarted);
        f.form->searchCombo()->setFocus();
        f.form->searchCombo()->setEditText(QString());
        // Under the Persian layout the A key types sheen; with Alt it is still Alt+A.
        f.platform.keyboardMap->keys.insert(38, Qt::Key_A);
        const auto press = [&f](int key, Qt::KeyboardModifiers mods, quint32 scanCode,
                                const QString& text) {
            QKeyEvent event(QEvent::KeyPress, key, mods, scanCode, 0, 0, text);
            QApplication::sendEvent(f.form->windowHandle(), &event);
        };
        press(0x0634, Qt::AltModifier, 38, QStringLiteral("\u0634"));
        QCOMPARE(started.count(), 1);
        QCOMPARE(started[0][0].value<ToolbarCommand>(), ToolbarCommand::AddWord);
        // No Alt key types, a shortcut or not, with Shift or not.
        press(Qt::Key_X, Qt::AltModifier, 53, QStringLiteral("x"));
        press(Qt::Key_A, Qt::AltModifier | Qt::ShiftModifier, 38, QStringLiteral("A"));
        QCOMPARE(f.form->searchCombo()->currentText(), QString());
        QCOMPARE(started.count(), 1);

        // With the word list open, the window still sees its keys first.
        f.form->searchCombo()->showPopup();
        QTRY_VERIFY(f.form->searchCombo()->view()->isVisible());
        QKeyEvent f5(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
        QApplication::sendEvent(f.form->searchCombo()->view(), &f5);
        QCOMPARE(started.count(), 2);
        QCOMPARE(started[1][0].value<ToolbarCommand>(), ToolbarCommand::RefreshDatabase);
        QTRY_VERIFY(!f.form->searchCombo()->view()->isVisible());
    }

    void picturesAreButtonsForKeyboardAndScreenReader()
    {
        Fixture f;
        f.form->show();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        QSignalSpy started(f.form.get(), &LexaroForm::commandStarted);
        // Tab order: search box, translation box, then the sixteen pictures.
        QStringList order;
        QWidget* w = f.form->searchCombo();
        for (int i = 0; i < 18; ++i) {
            order << w->objectName();
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus || !w->isVisible() ||
                   w->parentWidget() != f.form.get())
                w = w->nextInFocusChain();
        }
        QCOMPARE(order.mid(0, 3),
                 (QStringList{QStringLiteral("SearchCombo"), QStringLiteral("TranslationText"),
                              QStringLiteral("ArabictopersiandictionaryImage")}));
        QCOMPARE(order.at(11), QStringLiteral("AddwordImage"));
        QCOMPARE(order.at(17), QStringLiteral("AboutImage"));

        auto* german =
            f.form->findChild<QAbstractButton*>(QStringLiteral("GermantopersiandictionaryImage"));
        QVERIFY(german);
        QCOMPARE(german->accessibleName(), QStringLiteral("German to persian dictionary"));
        german->setFocus();
        QTest::keyClick(german, Qt::Key_Space);
        QTRY_COMPARE(f.form->dictionaryNameLabel()->text(),
                     QStringLiteral("German to persian dictionary"));
        auto* refresh = f.form->findChild<QAbstractButton*>(QStringLiteral("RefreshdatabaseImage"));
        refresh->setFocus();
        QTest::keyClick(refresh, Qt::Key_Return);
        QTRY_COMPARE(started.count(), 1);
        QCOMPARE(started[0][0].value<ToolbarCommand>(), ToolbarCommand::RefreshDatabase);
    }

    void windowLayoutAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("tooltip");
        const auto row = [](const char* n, QRect g, const char* tip) {
            QTest::newRow(n) << QString::fromLatin1(n) << g << QString::fromLatin1(tip);
        };
        row("ArabictopersiandictionaryImage", {8, 122, 41, 41}, "Arabic to persian dictionary");
        row("ComputerandinternetdictionaryImage", {8, 506, 41, 41},
            "Computer and internet dictionary");
        row("AddwordImage", {66, 120, 49, 49}, "Add word (Shourtcut key: Alt+A)");
        row("EditwordImage", {66, 176, 49, 49}, "Edit word (Shourtcut key: Alt+E)");
        row("DeletewordImage", {66, 232, 49, 49}, "Delete word (Shourtcut key: Alt+D)");
        row("ListenwordImage", {66, 288, 49, 49}, "Listen word (Shourtcut key: Alt+L)");
        row("RefreshdatabaseImage", {66, 344, 49, 49}, "Refresh database (Shourtcut key: F5)");
        row("HelpandsupportImage", {66, 400, 49, 49}, "Help and support (Shourtcut key: F1)");
        row("AboutImage", {66, 456, 49, 49}, "About Orvenda Lexaro 2019");
        row("SearchCombo", {128, 187, 825, 21}, "");
        row("TranslationText", {128, 213, 825, 337}, "");
        row("DictionarynameLabel", {248, 156, 701, 17}, "");
    }

    void windowLayoutAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, tooltip);
        Fixture f;
        QCOMPARE(f.form->windowTitle(), QStringLiteral("Orvenda Lexaro 2019"));
        QCOMPARE(f.form->size(), QSize(961, 555));
        auto* w = f.form->findChild<QWidget*>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), geometry);
        QCOMPARE(w->toolTip(), tooltip);
        QVERIFY(!f.form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    }

    void trayIconLifeAndClipboard()
    {
        testing::MainWindowFixture f;
        f.platform.clipboard->content = QStringLiteral("copied before start");
        f.open();
        // The icon is added on load; the clipboard is kept.
        QCOMPARE(f.platform.tray->adds, 1);
        QCOMPARE(f.platform.tray->tip, QStringLiteral("TrayIcon"));
        f.platform.tray->click();
        QCOMPARE(f.platform.clipboard->content, QStringLiteral("copied before start"));
        QVERIFY(!f.form->mainMenu().isVisible());

        f.platform.tray->rightClick(QPoint(50, 50));
        QTRY_VERIFY(f.form->mainMenu().isVisible());
        f.form->mainMenu().close();

        f.form->show();
        f.form->close();
        QCOMPARE(f.platform.tray->removes, 1);
        QVERIFY(!f.platform.tray->shown);
    }

    void openBringsTheWindowBack()
    {
        Fixture f;
        f.form->showMinimized();
        f.form->OpenMenu_Click();
        QVERIFY(f.form->isVisible());
        QVERIFY(!f.form->isMinimized());
        f.form->hide();
        f.form->OpenMenu_Click();
        QVERIFY(f.form->isVisible());
    }

    void menuRoutesItsCommands()
    {
        Fixture f;
        for (QAction* a : f.form->mainMenu().findChildren<QAction*>()) {
            if (a->objectName() == QStringLiteral("CheckforupdatesMenu"))
                a->trigger();
            if (a->objectName() == QStringLiteral("SwedishtopersiandictionaryMenu"))
                a->trigger();
        }
        // The product's page on the maker's weblog: the host the about window shows.
        const QString weblogHost = QUrl(Product::weblogAddress()).host();
        QVERIFY(!weblogHost.isEmpty());
        QCOMPARE(f.platform.shell->opened,
                 QStringList{QStringLiteral("https://") + weblogHost + QStringLiteral("/Lexaro")});
        QCOMPARE(f.form->updateAddress(), f.platform.shell->opened.value(0));
        QCOMPARE(f.form->dictionaryNameLabel()->text(),
                 QStringLiteral("Swedish to persian dictionary"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
