#include "fakes/fake_platform.h"
#include "lookup/dictionary_lookup.h"
#include "shell/lexaro_form.h"
#include "store/word_limits.h"
#include "store/word_lookup.h"
#include "support/main_window_fixture.h"
#include "translation/not_found_text.h"

#include "lookup/headword_list_model.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTest>
#include <QTextCursor>

using namespace lexaro;
using namespace Qt::StringLiterals;
using namespace lexaro::fakes;

namespace {

const QString House = QStringLiteral("\u062E\u0627\u0646\u0647\u060C \u0645\u0646\u0632\u0644");
const QString TwoLines =
    QStringLiteral("\u0633\u0637\u0631 \u06CC\u06A9\n\u0633\u0637\u0631 \u062F\u0648");

struct Fixture : testing::MainWindowFixture
{
    Fixture()
    {
        db.insert(DictionaryId::English,
                  {{QStringLiteral("house"), House},
                   {QStringLiteral("don't"), QStringLiteral("\u0646\u06A9\u0646")},
                   {QStringLiteral("apple"), TwoLines},
                   {QStringLiteral("Zebra"), QStringLiteral("\u06AF\u0648\u0631\u062E\u0631")},
                   {QStringLiteral("empty"), QString()}});
        db.insert(DictionaryId::Arabic, {{QStringLiteral("\u0628\u064A\u062A"), House},
                                         {QStringLiteral("\u0643\u062A\u0627\u0628"),
                                          QStringLiteral("\u06A9\u062A\u0627\u0628")}});
        open();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    QComboBox* combo() const { return form->searchCombo(); }
    QString translation() const { return form->translationText()->toPlainText(); }
    void type(const QString& text) const { combo()->setEditText(text); }
};

// Where the caret stands; the edit field places its text when it paints.
int cursorX(QLineEdit* edit)
{
    edit->repaint();
    return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
}

QStringList items(const QComboBox* combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

} // namespace

class TestDictionaryLookup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void notFoundTextIsExact()
    {
        const QString text = notFoundText();
        QCOMPARE(text.size(), 43);
        QCOMPARE(text.count(QChar(0x064A)), 3); // ARABIC LETTER YEH throughout
        QCOMPARE(text.count(QChar(0x06CC)), 0);
        QCOMPARE(text.count(QChar(0x06A9)), 1); // KEHEH for the kaf
        QCOMPARE(
            text.toUtf8().toHex(),
            QByteArray("d8a7d98ad98620d988d8a7da98d98720d8afd8b120d8a8d8a7d986daa920d8a7d8b7d984"
                       "d8a7d8b9d8a7d8aad98a20d8a8d8b1d986d8a7d985d98720d985d988d8acd988d8af20d986"
                       "d98ad8b3d8aa"));
    }

    void startsOnEnglish()
    {
        Fixture f;
        QCOMPARE(f.form->dictionaryNameLabel()->text(),
                 QStringLiteral("English to persian dictionary"));
        QCOMPARE(items(f.combo()), (QStringList{QStringLiteral("apple"), QStringLiteral("don't"),
                                                QStringLiteral("empty"), QStringLiteral("house"),
                                                QStringLiteral("Zebra")}));
        QVERIFY(qobject_cast<HeadwordListModel*>(f.combo()->model()));
        QCOMPARE(f.combo()->currentText(), QString());
        QVERIFY(f.translation().isEmpty());
        QCOMPARE(f.combo()->layoutDirection(), Qt::LeftToRight);
        QVERIFY(f.combo()->hasFocus());
        QCOMPARE(f.platform.keyboard->requested.last(), QStringLiteral("00000409"));
    }

    void switchingSetsEverythingForTheDictionary()
    {
        Fixture f;
        f.type(QStringLiteral("house"));
        QCOMPARE(f.translation(), House);

        f.platform.keyboard->requested.clear();
        f.form->DictionaryImage_Click(DictionaryId::Arabic);
        QCOMPARE(f.form->dictionaryNameLabel()->text(),
                 QStringLiteral("Arabic to persian dictionary"));
        QCOMPARE(f.combo()->layoutDirection(), Qt::RightToLeft);
        // The typed text itself reads right to left, whatever its script: neutral characters
        // run leftwards from the right edge.
        QLineEdit* edit = f.combo()->lineEdit();
        edit->setText(QStringLiteral("!!!"));
        edit->home(false);
        const int start = cursorX(edit);
        edit->end(false);
        QVERIFY2(cursorX(edit) < start, "text runs left to right");
        QVERIFY(start > edit->width() / 2);
        edit->clear();
        QCOMPARE(f.combo()->count(), 2);
        QCOMPARE(f.combo()->currentText(), QString());
        QVERIFY(f.translation().isEmpty());
        QVERIFY(f.combo()->hasFocus());
        QCOMPARE(f.platform.keyboard->requested.last(), QStringLiteral("00000429"));

        // The Arabic-script variants meet: Arabic kaf finds the stored keheh.
        f.type(QStringLiteral("\u06A9\u062A\u0627\u0628"));
        QCOMPARE(f.translation(), QStringLiteral("\u06A9\u062A\u0627\u0628"));

        // Picking the current dictionary again still clears both boxes.
        f.form->DictionaryMenu_Click(DictionaryId::Arabic);
        QCOMPARE(f.combo()->currentText(), QString());
        QVERIFY(f.translation().isEmpty());

        f.form->DictionaryMenu_Click(DictionaryId::English);
        QCOMPARE(f.combo()->layoutDirection(), Qt::LeftToRight);
        edit->setText(QStringLiteral("!!!"));
        edit->home(false);
        const int englishStart = cursorX(edit);
        edit->end(false);
        QVERIFY(cursorX(edit) > englishStart);
        edit->clear();
        QCOMPARE(f.platform.keyboard->requested.last(), QStringLiteral("00000409"));

        f.form->DictionaryImage_Click(DictionaryId::Finnish); // an empty table
        QCOMPARE(f.combo()->count(), 0);
    }

    void lookUpAsTheUserTypes()
    {
        Fixture f;
        f.combo()->setFocus();
        QTest::keyClicks(f.combo(), QStringLiteral("hous"));
        // No inline completion: what was typed is what is looked up.
        QCOMPARE(f.combo()->currentText(), QStringLiteral("hous"));
        QCOMPARE(f.translation(), notFoundText());
        QTest::keyClick(f.combo(), Qt::Key_E);
        QCOMPARE(f.translation(), House);

        f.type(QStringLiteral(" house"));
        QCOMPARE(f.translation(), notFoundText());
        f.type(QStringLiteral("house "));
        QCOMPARE(f.translation(), notFoundText());
        f.type(QStringLiteral("HOUSE"));
        QCOMPARE(f.translation(), House);
        f.type(QStringLiteral("don't"));
        QCOMPARE(f.translation(), QStringLiteral("\u0646\u06A9\u0646"));
        f.type(QStringLiteral("apple"));
        QCOMPARE(f.translation(), TwoLines);
        f.type(QString());
        QVERIFY(f.translation().isEmpty());

        // Picking from the list shows the translation at once.
        f.combo()->setCurrentIndex(f.combo()->findText(QStringLiteral("Zebra")));
        QCOMPARE(f.translation(), QStringLiteral("\u06AF\u0648\u0631\u062E\u0631"));

        // The same text again is shown afresh when the box is not as a new text leaves it.
        f.type(QStringLiteral("hou"));
        QTextCursor backwards = f.form->translationText()->textCursor();
        backwards.movePosition(QTextCursor::End);
        backwards.movePosition(QTextCursor::Start, QTextCursor::KeepAnchor);
        f.form->translationText()->setTextCursor(backwards);
        f.type(QStringLiteral("ho"));
        QCOMPARE(f.translation(), notFoundText());
        QVERIFY(!f.form->translationText()->textCursor().hasSelection());
    }

    // The suggestion list keeps the rows it drew; a row drawn again from them, highlighted or
    // not, left to right or right to left, is what the style draws.
    void suggestionRowsLookAsTheStyleDrawsThem()
    {
        Fixture f;
        auto* list = f.combo()->findChild<QAbstractItemView*>(QStringLiteral("SuggestionList"));
        QVERIFY(list);
        QAbstractItemDelegate* kept = list->itemDelegate();
        QStyledItemDelegate plain;
        const auto drawnBy = [list](QAbstractItemDelegate* delegate) {
            list->setItemDelegate(delegate);
            return list->grab().toImage();
        };
        const std::pair<DictionaryId, QString> typed[] = {
            {DictionaryId::English, QStringLiteral("h")},
            {DictionaryId::Arabic, QStringLiteral("\u0628")}};
        for (const auto& [dictionary, prefix] : typed) {
            f.form->DictionaryImage_Click(dictionary);
            QTest::sendKeyEvent(QTest::Click, f.combo(), Qt::Key_unknown, prefix, Qt::NoModifier);
            QVERIFY(list->isVisible());
            for (int highlighted = 0; highlighted < 2; ++highlighted) {
                const QImage style = drawnBy(&plain);
                QCOMPARE(drawnBy(kept), style); // drawn and kept
                QCOMPARE(drawnBy(kept), style); // from what was kept
                QTest::keyClick(f.combo(), Qt::Key_Down);
            }
            list->setItemDelegate(kept);
        }

        // The same words in a larger font: the rows are measured again and the list grows.
        const int before = list->height();
        QTest::keyClick(f.combo(), Qt::Key_Backspace);
        QFont larger = list->font();
        if (larger.pointSizeF() > 0)
            larger.setPointSizeF(larger.pointSizeF() * 2);
        else
            larger.setPixelSize(larger.pixelSize() * 2);
        list->setFont(larger);
        QTest::sendKeyEvent(QTest::Click, f.combo(), Qt::Key_unknown, u"\u0628"_s, Qt::NoModifier);
        QVERIFY(list->isVisible());
        QVERIFY2(list->height() > before * 3 / 2,
                 qPrintable(u"%1 -> %2"_s.arg(before).arg(list->height())));
    }

    // An older database may hold values longer than the program now takes: the window shows
    // them cut, and says so, instead of freezing to lay out a megabyte of text.
    void overlongValuesShownCut()
    {
        Fixture f;
        QVERIFY(
            f.db.execute(QStringLiteral("Insert Into English_to_Persian (Word, Translati0n) Values "
                                        "('long', replace(hex(zeroblob(500000)), '00', 'ab')), "
                                        "(replace(hex(zeroblob(500)), '00', 'wq'), 'x')")));
        f.form->DictionaryImage_Click(DictionaryId::English);
        const QString longWord = QStringLiteral("wq").repeated(WordLimits::MaxWordLength / 2);
        QVERIFY(items(f.combo()).contains(longWord));
        f.type(QStringLiteral("long"));
        QVERIFY(f.translation().startsWith(QStringLiteral("abab")));
        QVERIFY(
            f.translation().contains(QStringLiteral("The rest of this translation is too long")));
        QVERIFY(f.translation().size() < WordLimits::MaxTranslationBytes + 100);
    }

    void failuresNeverShowTheWordBefore()
    {
        Fixture f;
        f.type(QStringLiteral("house"));
        f.type(QStringLiteral("empty")); // translation holds no value
        QCOMPARE(f.translation(), notFoundText());
        f.type(QStringLiteral("house"));

        // A caption that names no dictionary: nothing changes.
        f.form->dictionaryNameLabel()->setText(QStringLiteral("english to persian dictionary"));
        f.type(QStringLiteral("zzz"));
        QCOMPARE(f.translation(), House);
        f.form->dictionaryNameLabel()->setText(QStringLiteral("English to persian dictionary"));

        QVERIFY(f.store->connection().execute(QStringLiteral("Drop Table English_to_Persian")));
        f.type(QStringLiteral("apple"));
        QCOMPARE(f.translation(), notFoundText());
        f.form->DictionaryImage_Click(DictionaryId::English); // the list statement fails too
        QCOMPARE(f.combo()->count(), 0);
        QVERIFY(f.translation().isEmpty());
    }

    // The list holds only the rows' order and reads the words a view asks for. What it shows
    // must be the index order, row for row, whichever way a view walks it, while it is read in
    // slices and after a word added in the middle of the reading; and a search through it must
    // find what Qt's own search of every row would.
    void wordListReadOnDemand()
    {
        Fixture f;
        QList<testing::Row> rows;
        for (int i = 0; i < 3000; ++i)
            rows.append(
                {(i % 3 ? u"w%1"_s : u"W%1"_s).arg((i * 7919) % 3000, 4, 10, QChar(u'0')), u"x"_s});
        rows.append({u"w0042"_s, u"y"_s}); // a second row of the same word
        f.db.insert(DictionaryId::English, rows);
        DictionaryRecordset& english = f.store->recordset(DictionaryId::English);

        HeadwordListModel model(nullptr, std::chrono::milliseconds(0));
        model.load(english);
        QVERIFY(model.isReading()); // a slice is 1024 rows at most
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(english.add(u"aaa"_s, u"x"_s)); // between two slices: the walk starts over
        QTRY_VERIFY(!model.isReading());
        const QStringList expected = readWordList(english);
        QCOMPARE(model.rowCount(), expected.size());
        QCOMPARE(expected.first(), u"aaa"_s);
        for (int row = 0; row < expected.size(); ++row)
            QCOMPARE(model.index(row).data().toString(), expected.at(row));
        for (int row = expected.size() - 1; row >= 0; row -= 97)
            QCOMPARE(model.index(row).data().toString(), expected.at(row));

        const auto firstFrom = [&](int start, const QString& prefix) {
            for (int n = 0; n < expected.size(); ++n) {
                const int row = (start + n) % expected.size();
                if (expected.at(row).startsWith(prefix, Qt::CaseInsensitive))
                    return row;
            }
            return -1;
        };
        for (const auto& [start, prefix] : {std::pair{0, u"w12"_s},
                                            {2500, u"W12"_s},
                                            {1300, u"w"_s},
                                            {0, u"w2999"_s},
                                            {10, u"q"_s}}) {
            const QModelIndexList found = model.match(model.index(start), Qt::DisplayRole, prefix,
                                                      1, Qt::MatchStartsWith | Qt::MatchWrap);
            QCOMPARE(found.isEmpty() ? -1 : found.first().row(), firstFrom(start, prefix));
        }
        QCOMPARE(model.match(model.index(0), Qt::DisplayRole, u"W0042"_s, -1, Qt::MatchFixedString)
                     .size(),
                 2);

        // The search box: refreshed after the add, searched as the user leaves it.
        f.form->lookup().RefreshdatabaseImage_Click();
        QCOMPARE(f.combo()->count(), expected.size());
        const int row = firstFrom(0, u"w0043"_s);
        QCOMPARE(f.combo()->findText(u"W0043"_s, Qt::MatchFixedString), row);
        QCOMPARE(f.combo()->findText(expected.at(row)), row);
        QCOMPARE(f.combo()->findText(u"W0043 "_s), -1);
    }

    void focusSwitchesTheLayout()
    {
        Fixture f;
        f.type(QStringLiteral("house"));
        f.platform.keyboard->requested.clear();
        f.form->translationText()->setFocus();
        QCOMPARE(f.platform.keyboard->requested, QStringList{QStringLiteral("00000429")});
        QCOMPARE(f.form->translationText()->textCursor().selectedText(), House);
        QVERIFY(f.form->translationText()->isReadOnly());
        QCOMPARE(f.form->translationText()->layoutDirection(), Qt::RightToLeft);

        f.combo()->setFocus();
        QCOMPARE(f.platform.keyboard->requested.last(), QStringLiteral("00000409"));
        // Reached with a click, the translation is selected all the same, ready to copy.
        QTest::mouseClick(f.form->translationText()->viewport(), Qt::LeftButton, {},
                          QPoint(20, 20));
        QVERIFY(f.form->translationText()->hasFocus());
        QTRY_COMPARE(f.form->translationText()->textCursor().selectedText(), House);
        f.combo()->setFocus();
        f.form->DictionaryImage_Click(DictionaryId::Arabic);
        f.form->translationText()->setFocus();
        f.combo()->setFocus();
        QCOMPARE(f.platform.keyboard->requested.last(), QStringLiteral("00000429"));
        // Leaving a field switches nothing back.
        const qsizetype before = f.platform.keyboard->requested.size();
        f.combo()->clearFocus();
        QCOMPARE(f.platform.keyboard->requested.size(), before);
    }

    void accessibleNames()
    {
        Fixture f;
        QCOMPARE(f.combo()->accessibleName(), QStringLiteral("Search word"));
        QCOMPARE(f.form->translationText()->accessibleName(), QStringLiteral("Translation"));
    }
};

QTEST_MAIN(TestDictionaryLookup)
#include "test_dictionary_lookup.moc"
