#include "fakes/fake_messages.h"
#include "fakes/fake_platform.h"
#include "maintenance/add_word_form.h"
#include "maintenance/edit_word_form.h"
#include "maintenance/search_watcher_pause.h"
#include "maintenance/word_command_host.h"
#include "maintenance/word_commands.h"
#include "store/word_lookup.h"
#include "support/test_database.h"
#include "ui/program_exit.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace lexaro;
using namespace lexaro::fakes;
using namespace Qt::StringLiterals;

namespace {

const QString Khaneh = QStringLiteral("\u062E\u0627\u0646\u0647");
const QString Bait = QStringLiteral("\u0628\u064A\u062A"); // with ARABIC YEH

// The main window and the clipboard watcher's pause as the word commands see them.
struct FakeHost final : WordCommandHost, SearchWatcherPause
{
    QString searchText() const override { return search; }
    std::optional<DictionaryId> currentDictionary() const override { return dictionary; }
    void clearSearchText() override { search.clear(); }
    void setSearchWatcherPaused(bool p) override
    {
        paused = p;
        pauses << p;
    }
    void markClipboardSeen() override { ++seen; }

    QString search;
    std::optional<DictionaryId> dictionary = DictionaryId::English;
    bool paused = false;
    QList<bool> pauses;
    int seen = 0;
};

struct Fixture
{
    Fixture()
    {
        db.insert(DictionaryId::English, {{QStringLiteral("house"), Khaneh},
                                          {QStringLiteral("twice"), QStringLiteral("first")},
                                          {QStringLiteral("twice"), QStringLiteral("second")}});
        db.insert(DictionaryId::Arabic, {{Bait, Khaneh}});
        store = db.open();
    }

    WordCommands commands()
    {
        return WordCommands({*store, messages, keyboard, keys, exit, stacking, host}, host);
    }
    AddWordForm* addForm(DictionaryId id)
    {
        return new AddWordForm(DictionaryCatalog::entry(id), store->recordset(id), messages,
                               keyboard, keys, exit);
    }
    QString translationOf(const QString& word, DictionaryId id = DictionaryId::English)
    {
        return lookUpTranslation(store->recordset(id), word).translation;
    }
    int rowsOf(const QString& word, DictionaryId id = DictionaryId::English)
    {
        DictionaryRecordset& rs = store->recordset(id);
        int rows = 0;
        if (rs.open(WordQuery::WordLookup, word)) {
            for (; !rs.atEnd(); rs.moveNext())
                ++rows;
            rs.close();
        }
        return rows;
    }

    testing::TestDatabase db;
    std::unique_ptr<DictionaryStore> store;
    FakeMessageService messages;
    FakeKeyboard keyboard;
    FakeKeyboardMap keys;
    ProgramExit exit;
    FakeStacking stacking;
    FakeHost host;
};

// Runs `interact` on the modal word window once it is up; a watchdog closes a window left
// open so that a failed check cannot hang the test.
template <typename Form> void whenWindowShown(std::function<void(Form&)> interact)
{
    QTimer::singleShot(0, qApp, [interact = std::move(interact)] {
        auto* form = qobject_cast<Form*>(QApplication::activeModalWidget());
        QVERIFY(form);
        interact(*form);
    });
    QTimer::singleShot(5000, qApp, [] {
        if (auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            w->reject();
    });
}

QWidget* nextTabStop(QWidget* w)
{
    do
        w = w->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus));
    return w;
}

QStringList pictures(const FakeMessageService& messages)
{
    QStringList names;
    for (const FakeMessageService::Shown& s : messages.shown)
        names << s.message.picture().controlName;
    return names;
}

} // namespace

class TestWordMaintenance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void windowsAsDesigned_data()
    {
        QTest::addColumn<int>("dictionary");
        for (const DictionaryEntry& e : DictionaryCatalog::entries())
            QTest::newRow(qPrintable(e.tableName)) << int(e.id);
    }

    void windowsAsDesigned()
    {
        QFETCH(int, dictionary);
        Fixture f;
        const DictionaryEntry& d = DictionaryCatalog::entry(DictionaryId(dictionary));
        std::unique_ptr<AddWordForm> add(f.addForm(d.id));
        EditWordForm edit(d, f.store->recordset(d.id), LookupResult{}, f.messages, f.keyboard,
                          f.keys, f.exit);
        for (WordForm* form : {static_cast<WordForm*>(add.get()), static_cast<WordForm*>(&edit)}) {
            const bool adding = form == add.get();
            QCOMPARE(form->objectName(), adding ? d.addWordFormName() : d.editWordFormName());
            QCOMPARE(form->windowTitle(),
                     d.displayName +
                         (adding ? QStringLiteral(" - Add word") : QStringLiteral(" - Edit word")));
            QCOMPARE(form->size(), QSize(465, 409));
            QCOMPARE(form->wordText()->geometry(), QRect(8, 88, 449, 19));
            QCOMPARE(form->translationText()->geometry(), QRect(8, 136, 449, 235));
            QCOMPARE(form->wordText()->isReadOnly(), !adding);
            auto* save = form->findChild<QPushButton*>(QStringLiteral("SaveCommandbutton"));
            auto* cancel = form->findChild<QPushButton*>(QStringLiteral("CancelCommandbutton"));
            QCOMPARE(save->geometry(), QRect(288, 376, 81, 25));
            QCOMPARE(cancel->geometry(), QRect(376, 376, 81, 25));
            QCOMPARE(save->text(), QStringLiteral("&Save"));
            QCOMPARE(cancel->toolTip(), QStringLiteral("Shourtcut key: Alt+C"));
            QCOMPARE(nextTabStop(form->wordText()), form->translationText());
            QCOMPARE(nextTabStop(form->translationText()), save);
            QCOMPARE(form->translationText()->layoutDirection(), Qt::RightToLeft);
            const bool arabic = d.id == DictionaryId::Arabic;
            QCOMPARE(form->wordText()->layoutDirection(),
                     arabic ? Qt::RightToLeft : Qt::LeftToRight);
            // Only the differences the catalog names.
            const QFont font = form->translationText()->font();
            const qreal size =
                adding ? (d.id == DictionaryId::English ? 11.25 : 9.75) : (arabic ? 8.25 : 9.75);
            QCOMPARE(font.pointSizeF(), size);
            QCOMPARE(font.bold(), adding && d.id == DictionaryId::English);
            const bool dialogBorder = adding && d.id == DictionaryId::Finnish;
            QCOMPARE((form->windowFlags() & Qt::WindowType_Mask) == Qt::Dialog, dialogBorder);
            QVERIFY(!form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        }
    }

    void saveChecksInOrder_data()
    {
        QTest::addColumn<int>("dictionary");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("stored");
        const QString t = QStringLiteral("\u0645\u0639\u0646\u06CC");
        const int en = int(DictionaryId::English);
        const int ar = int(DictionaryId::Arabic);
        QTest::newRow("both empty") << en << QString() << QString() << u"EnterwordImage"_s << false;
        QTest::newRow("no translation")
            << en << u"tree"_s << QString() << u"EntertranslationImage"_s << false;
        QTest::newRow("letter case")
            << en << u"House"_s << t << u"TheenteredwordisalreadyregisteredenteranotherwordImage"_s
            << false;
        QTest::newRow("spaces around, trimmed for the check")
            << en << u"  house "_s << t
            << u"TheenteredwordisalreadyregisteredenteranotherwordImage"_s << false;
        QTest::newRow("a tab is not trimmed")
            << en << u"house\t"_s << t << u"RegisteringwordisdonesuccessfullyImage"_s << true;
        QTest::newRow("spaces only")
            << en << u"   "_s << t << u"RegisteringwordisdonesuccessfullyImage"_s << true;
        QTest::newRow("stored with its leading space")
            << en << u" tree"_s << t << u"RegisteringwordisdonesuccessfullyImage"_s << true;
        QTest::newRow("Arabic keeps the spaces")
            << ar << QString(u" "_s + Bait + u" "_s) << t
            << u"RegisteringwordisdonesuccessfullyImage"_s << true;
        QTest::newRow("Arabic yeh meets Persian yeh")
            << ar << u"\u0628\u06CC\u062A"_s << t
            << u"TheenteredwordisalreadyregisteredenteranotherwordImage"_s << false;
        QTest::newRow("a direction mark it does not show")
            << en << u"house\u200F"_s << t
            << u"TheenteredwordisalreadyregisteredenteranotherwordImage"_s << false;
        QTest::newRow("apostrophe")
            << en << u"l'eau"_s << t << u"RegisteringwordisdonesuccessfullyImage"_s << true;
    }

    void saveChecksInOrder()
    {
        QFETCH(int, dictionary);
        QFETCH(QString, word);
        QFETCH(QString, translation);
        QFETCH(QString, picture);
        QFETCH(bool, stored);
        Fixture f;
        const DictionaryId id = DictionaryId(dictionary);
        std::unique_ptr<AddWordForm> form(f.addForm(id));
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->wordText()->setText(word);
        form->translationText()->setPlainText(translation);
        const qsizetype before = readWordList(f.store->recordset(id)).size();
        form->SaveCommandbutton_Click();

        QCOMPARE(pictures(f.messages), QStringList{picture});
        QCOMPARE(f.messages.shown[0].message.form().name,
                 DictionaryCatalog::entry(id).addWordMessageboxName());
        QCOMPARE(readWordList(f.store->recordset(id)).size(), before + (stored ? 1 : 0));
        if (stored) {
            QCOMPARE(f.translationOf(word, id), translation);
            // Ready for the next word.
            QVERIFY(form->wordText()->text().isEmpty());
            QVERIFY(form->translationText()->toPlainText().isEmpty());
            QVERIFY(form->wordText()->hasFocus());
        } else {
            QCOMPARE(form->wordText()->text(), word);
            QCOMPARE(form->translationText()->toPlainText(), translation);
            QCOMPARE(form->translationText()->hasFocus(), picture == u"EntertranslationImage");
        }
        QVERIFY(form->isVisible());
    }

    void failuresStoreNothing()
    {
        Fixture f;
        std::unique_ptr<AddWordForm> form(f.addForm(DictionaryId::English));
        form->wordText()->setText(QStringLiteral("tree"));
        form->translationText()->setPlainText(Khaneh);
        // The table refuses the row: the error, and both fields keep their text.
        QVERIFY(f.store->connection().execute(
            QStringLiteral("Create Trigger refuse Before Insert On English_to_Persian "
                           "Begin Select Raise(Abort, 'refused'); End")));
        form->SaveCommandbutton_Click();
        QCOMPARE(f.messages.lastPicture(), QStringLiteral("ErrorinregisteringwordImage"));
        QCOMPARE(form->wordText()->text(), QStringLiteral("tree"));
        // A duplicate check that cannot run stores nothing, and says it is an error: the
        // word may well not be registered.
        QVERIFY(f.store->connection().execute(QStringLiteral("Drop Table English_to_Persian")));
        form->SaveCommandbutton_Click();
        QCOMPARE(pictures(f.messages),
                 (QStringList{QStringLiteral("ErrorinregisteringwordImage"),
                              QStringLiteral("ErrorinregisteringwordImage")}));
        QCOMPARE(form->wordText()->text(), QStringLiteral("tree"));
    }

    void unchangedTextIsStoredByteForByte()
    {
        // As `lexaro-words import` or a paste brings them in: a no-break space, CR LF and a
        // line separator, which the text field shows as a space and line feeds.
        const QString stored = u"\u0627\u0644\u0641\u00A0\u0628\r\n\u062C\u2028\u062F"_s;
        Fixture f;
        QVERIFY(f.store->recordset(DictionaryId::English).add(u"imported", stored));
        f.host.search = QStringLiteral("imported");
        whenWindowShown<EditWordForm>([](EditWordForm& form) { form.SaveCommandbutton_Click(); });
        f.commands().EditwordImage_Click();
        QCOMPARE(f.messages.lastPicture(),
                 QStringLiteral("RegisteringwordisdonesuccessfullyImage"));
        QCOMPARE(f.translationOf(QStringLiteral("imported")), stored);
        // A change stores the change and keeps the rest as it was.
        whenWindowShown<EditWordForm>([](EditWordForm& form) {
            form.translationText()->moveCursor(QTextCursor::End);
            form.translationText()->insertPlainText(u"\n\u0647"_s);
            form.SaveCommandbutton_Click();
        });
        f.commands().EditwordImage_Click();
        QCOMPARE(f.translationOf(QStringLiteral("imported")), stored + u"\r\n\u0647"_s);

        // The add window stores a pasted no-break space as it came; a line break pasted into
        // the one-line word field parts the words with a space and never enters the headword.
        std::unique_ptr<AddWordForm> add(f.addForm(DictionaryId::English));
        QApplication::clipboard()->setText(u"\nzz\r\nline1\n"_s);
        add->wordText()->paste();
        QCOMPARE(add->wordText()->text(), u"zz line1"_s);
        QApplication::clipboard()->setText(u"\u0627\u00A0\u0628"_s);
        add->translationText()->paste();
        add->SaveCommandbutton_Click();
        QCOMPARE(f.messages.lastPicture(),
                 QStringLiteral("RegisteringwordisdonesuccessfullyImage"));
        QCOMPARE(f.translationOf(u"zz line1"_s), u"\u0627\u00A0\u0628"_s);
    }

    void editWritesOnlyIntoTheRowItOpenedOn()
    {
        // While the window is open, another program deletes the word and stores another one,
        // which takes the freed row.
        Fixture f;
        f.host.search = QStringLiteral("house");
        whenWindowShown<EditWordForm>([&f](EditWordForm& form) {
            QVERIFY(f.db.execute(QStringLiteral(
                "Update English_to_Persian Set Word = 'other', Translati0n = 'theirs' "
                "Where Word = 'house'")));
            form.translationText()->setPlainText(QStringLiteral("mine"));
            form.SaveCommandbutton_Click();
        });
        f.commands().EditwordImage_Click();
        QCOMPARE(f.messages.lastPicture(), QStringLiteral("ErrorinregisteringwordImage"));
        QCOMPARE(f.translationOf(QStringLiteral("other")), QStringLiteral("theirs"));
    }

    void enterPressesTheFocusedButton()
    {
        Fixture f;
        f.host.search = QStringLiteral("house");
        whenWindowShown<EditWordForm>([](EditWordForm& form) {
            form.translationText()->setPlainText(QStringLiteral("changed"));
            auto* save = form.findChild<QPushButton*>(QStringLiteral("SaveCommandbutton"));
            save->setFocus();
            QTest::keyClick(save, Qt::Key_Return);
        });
        f.commands().EditwordImage_Click();
        QCOMPARE(f.translationOf(QStringLiteral("house")), QStringLiteral("changed"));

        std::unique_ptr<AddWordForm> add(f.addForm(DictionaryId::English));
        add->show();
        QVERIFY(QTest::qWaitForWindowActive(add.get()));
        auto* cancel = add->findChild<QPushButton*>(QStringLiteral("CancelCommandbutton"));
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(!add->isVisible());
        QCOMPARE(add->result(), int(QDialog::Rejected));
    }

    void addOpensTheCurrentDictionarysWindow()
    {
        Fixture f;
        f.host.dictionary = DictionaryId::Finnish;
        QString shown;
        whenWindowShown<AddWordForm>([&shown](AddWordForm& form) {
            shown = form.objectName();
            form.CancelCommandbutton_Click();
        });
        f.commands().AddwordImage_Click();
        QCOMPARE(shown, QStringLiteral("FinnishtopersiandictionaryaddwordForm"));
        QVERIFY(f.messages.shown.isEmpty());
        QCOMPARE(f.stacking.outOfTaskbar.size(), 1); // its dialog border keeps it out
        // No current dictionary: nothing opens.
        f.host.dictionary.reset();
        f.commands().AddwordImage_Click();
        QVERIFY(!QApplication::activeModalWidget());
    }

    void editChangesExactlyTheFoundRow()
    {
        Fixture f;
        f.host.search = QStringLiteral("twice");
        QString word;
        QString translation;
        bool pausedWhileOpen = false;
        whenWindowShown<EditWordForm>([&](EditWordForm& form) {
            word = form.wordText()->text();
            translation = form.translationText()->toPlainText();
            pausedWhileOpen = f.host.paused;
            form.translationText()->setPlainText(QStringLiteral("changed"));
            form.SaveCommandbutton_Click();
        });
        f.commands().EditwordImage_Click();
        QCOMPARE(word, QStringLiteral("twice"));
        QCOMPARE(translation, QStringLiteral("first"));
        QVERIFY(pausedWhileOpen);
        QCOMPARE(f.host.pauses, (QList<bool>{true, false}));
        QCOMPARE(f.host.seen, 1);
        QCOMPARE(pictures(f.messages),
                 QStringList{QStringLiteral("RegisteringwordisdonesuccessfullyImage")});
        QCOMPARE(f.messages.shown[0].message.form().name,
                 QStringLiteral("EnglishtopersiandictionaryeditwordMessagebox"));
        // The first row changed, the second did not.
        DictionaryRecordset& rs = f.store->recordset(DictionaryId::English);
        QVERIFY(rs.open(WordQuery::WordLookup, u"twice"));
        QStringList texts;
        for (; !rs.atEnd(); rs.moveNext())
            texts << rs.translation().value_or(QString());
        rs.close();
        texts.sort();
        QCOMPARE(texts, (QStringList{QStringLiteral("changed"), QStringLiteral("second")}));
    }

    void editRefusesAnEmptyTranslationAndCancelStoresNothing()
    {
        Fixture f;
        f.host.search = QStringLiteral("house");
        whenWindowShown<EditWordForm>([](EditWordForm& form) {
            form.translationText()->clear();
            form.SaveCommandbutton_Click();
        });
        f.commands().EditwordImage_Click();
        QCOMPARE(f.messages.lastPicture(), QStringLiteral("ErrorinregisteringwordImage"));
        QCOMPARE(f.translationOf(QStringLiteral("house")), Khaneh);

        whenWindowShown<EditWordForm>([](EditWordForm& form) {
            form.translationText()->setPlainText(QStringLiteral("never stored"));
            form.close(); // the close box
        });
        f.commands().EditwordImage_Click();
        QCOMPARE(f.translationOf(QStringLiteral("house")), Khaneh);
        QCOMPARE(f.messages.shown.size(), 1);
        QCOMPARE(f.host.seen, 2);
        QVERIFY(!f.host.paused);
    }

    void editWithNothingToEdit()
    {
        Fixture f;
        f.commands().EditwordImage_Click();
        QCOMPARE(pictures(f.messages), QStringList{QStringLiteral("SelectawordImage")});
        QVERIFY(f.host.pauses.isEmpty());
        f.host.search = QStringLiteral("absent");
        f.commands().EditwordImage_Click();
        QCOMPARE(f.messages.shown.size(), 1); // nothing shown for a word not stored
        QCOMPARE(f.host.pauses, (QList<bool>{true, false}));
    }

    void deleteAsksThenRemovesTheWordAskedAbout()
    {
        Fixture f;
        f.host.search = QStringLiteral("twice");
        // A copy lands in the search box while the question is open: it changes nothing.
        f.messages.onShow = [&f](const Message&) { f.host.search = QStringLiteral("house"); };
        f.messages.answers = {MessageAnswer::Yes};
        f.commands().DeletewordImage_Click();
        QCOMPARE(f.messages.shown[0].layout, ButtonLayout::YesNo);
        QCOMPARE(f.messages.lastPicture(),
                 QStringLiteral("AreyousurethatyouwanttodeletethiswordImage"));
        QCOMPARE(f.messages.changes.size(), 1);
        QCOMPARE(f.messages.changes[0].message.picture().controlName,
                 QStringLiteral("DeletingwordisdonesuccessfullyImage"));
        QCOMPARE(f.messages.changes[0].layout, ButtonLayout::Ok);
        QCOMPARE(f.rowsOf(QStringLiteral("twice")), 1); // only the first row
        QCOMPARE(f.translationOf(QStringLiteral("twice")), QStringLiteral("second"));
        QCOMPARE(f.translationOf(QStringLiteral("house")), Khaneh);
        QVERIFY(f.host.search.isEmpty());

        // No keeps everything; a word not stored fails after Yes.
        f.messages.onShow = nullptr;
        f.host.search = QStringLiteral("house");
        f.messages.answers = {MessageAnswer::No};
        f.commands().DeletewordImage_Click();
        QCOMPARE(f.rowsOf(QStringLiteral("house")), 1);
        QCOMPARE(f.host.search, QStringLiteral("house"));
        f.host.search = QStringLiteral("absent");
        f.messages.answers = {MessageAnswer::Yes};
        f.commands().DeletewordImage_Click();
        QCOMPARE(f.messages.changes.last().message.picture().controlName,
                 QStringLiteral("ErrordeletingwordImage"));
        QCOMPARE(f.host.search, QStringLiteral("absent"));
        f.host.search.clear();
        f.commands().DeletewordImage_Click();
        QCOMPARE(f.messages.lastPicture(), QStringLiteral("SelectawordImage"));
    }

    void exitWhileAWordWindowIsOpen()
    {
        // The program ends from the tray menu while the edit window is open: the command
        // does none of its follow-up steps.
        Fixture f;
        f.host.search = QStringLiteral("house");
        QEventLoop outer;
        QTimer::singleShot(0, &outer, [&f] {
            whenWindowShown<EditWordForm>([&f](EditWordForm&) { f.exit.end(0); });
            f.commands().EditwordImage_Click();
        });
        QTimer::singleShot(10000, &outer, [&outer] { outer.exit(1); });
        QCOMPARE(outer.exec(), 0);
        QCOMPARE(f.host.seen, 0);
        QCOMPARE(f.host.pauses, QList<bool>{true});
    }
};

QTEST_MAIN(TestWordMaintenance)
#include "test_word_maintenance.moc"
