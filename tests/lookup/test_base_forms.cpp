#include "fakes/fake_platform.h"
#include "lookup/base_form_lookup.h"
#include "lookup/dictionary_lookup.h"
#include "lookup/not_found_text.h"
#include "lookup/suggestion_list.h"
#include "store/word_lookup.h"
#include "support/test_database.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace lexaro;
using namespace Qt::StringLiterals;

namespace {

// The headwords of the tables: dictionary forms only.
testing::TestDatabase& database()
{
    static testing::TestDatabase db;
    static const bool filled = [] {
        const auto words = [](DictionaryId id, QStringList list) {
            QList<testing::Row> rows;
            for (const QString& w : list)
                rows.append({w, u"\u0645\u0639\u0646\u06CC "_s + w});
            db.insert(id, rows);
        };
        words(DictionaryId::English,
              {u"house"_s, u"child"_s, u"go"_s, u"run"_s, u"city"_s, u"walk"_s, u"good"_s});
        words(DictionaryId::ComputerAndInternet, {u"server"_s, u"download"_s});
        words(DictionaryId::German, {u"Haus"_s, u"Kind"_s, u"Mann"_s, u"gehen"_s, u"Stadt"_s});
        words(DictionaryId::French, {u"maison"_s, u"eau"_s, u"aller"_s, u"grand"_s});
        words(DictionaryId::Italian, {u"casa"_s, u"acqua"_s, u"libro"_s, u"parlare"_s});
        words(DictionaryId::Spanish, {u"casa"_s, u"tener"_s, u"ciudad"_s, u"hablar"_s});
        words(DictionaryId::Swedish, {u"hus"_s, u"barn"_s, u"gå"_s, u"bil"_s});
        words(DictionaryId::Finnish, {u"kirja"_s, u"talo"_s, u"mennä"_s, u"lapsi"_s});
        words(DictionaryId::Arabic, {u"\u0643\u062A\u0627\u0628"_s,
                                     u"\u0633\u064A\u0627\u0631\u0629"_s, u"\u0628\u064A\u062A"_s});
        return true;
    }();
    Q_UNUSED(filled);
    return db;
}

} // namespace

class TestBaseForms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { m_store = database().open(); }

    void findsTheDictionaryForm_data()
    {
        QTest::addColumn<int>("dictionary");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("form");
        const auto row = [](const char* name, DictionaryId id, const QString& text,
                            const QString& form) {
            QTest::newRow(name) << int(id) << text << form;
        };
        using D = DictionaryId;
        row("en plural", D::English, u"houses"_s, u"house"_s);
        row("en irregular plural", D::English, u"cities"_s, u"city"_s);
        row("en punctuation", D::English, u"\"house,\""_s, u"house"_s);
        row("en capital", D::English, u"Houses"_s, u"house"_s);
        row("en past", D::English, u"walked."_s, u"walk"_s);
        row("computer terms in English", D::ComputerAndInternet, u"servers"_s, u"server"_s);
        row("de umlaut plural", D::German, u"Häuser"_s, u"Haus"_s);
        row("de plural", D::German, u"Kinder"_s, u"Kind"_s);
        row("de genitive", D::German, u"Hauses"_s, u"Haus"_s);
        row("de verb", D::German, u"gehst"_s, u"gehen"_s);
        row("fr plural", D::French, u"maisons"_s, u"maison"_s);
        row("fr elision", D::French, u"l'eau"_s, u"eau"_s);
        row("fr typographic apostrophe", D::French, u"«l’eau»"_s, u"eau"_s);
        row("fr verb", D::French, u"allait"_s, u"aller"_s);
        row("it elision", D::Italian, u"l'acqua"_s, u"acqua"_s);
        row("it verb", D::Italian, u"parlano"_s, u"parlare"_s);
        row("es plural", D::Spanish, u"ciudades"_s, u"ciudad"_s);
        row("es verb", D::Spanish, u"tengo"_s, u"tener"_s);
        row("sv definite", D::Swedish, u"husen"_s, u"hus"_s);
        row("sv irregular verb", D::Swedish, u"gick"_s, u"gå"_s);
        row("fi inessive plural", D::Finnish, u"kirjoissa"_s, u"kirja"_s);
        row("fi inessive", D::Finnish, u"talossa"_s, u"talo"_s);
        row("fi verb", D::Finnish, u"menin"_s, u"mennä"_s);
        row("fi plural", D::Finnish, u"lapset"_s, u"lapsi"_s);
        row("ar article and conjunction", D::Arabic,
            u"\u0648\u0627\u0644\u0643\u062A\u0627\u0628"_s, u"\u0643\u062A\u0627\u0628"_s);
        row("ar preposition and article", D::Arabic, u"\u0628\u0627\u0644\u0628\u064A\u062A"_s,
            u"\u0628\u064A\u062A"_s);
        row("ar pronoun on a feminine noun", D::Arabic, u"\u0633\u064A\u0627\u0631\u062A\u0647"_s,
            u"\u0633\u064A\u0627\u0631\u0629"_s);
        row("ar comma and question mark", D::Arabic,
            u"\u0627\u0644\u0643\u062A\u0627\u0628\u061F"_s, u"\u0643\u062A\u0627\u0628"_s);
    }

    void findsTheDictionaryForm()
    {
        QFETCH(int, dictionary);
        QFETCH(QString, text);
        QFETCH(QString, form);
        const DictionaryId id = DictionaryId(dictionary);
        const QList<DictionaryForm> found = m_lookup.find(id, m_store->recordset(id), text);
        QVERIFY2(!found.isEmpty(), qPrintable(text));
        QCOMPARE(found.first().headword, form);
        QCOMPARE(found.first().translation, u"\u0645\u0639\u0646\u06CC "_s + form);
        QVERIFY(found.size() <= BaseFormLookup::MostForms);
    }

    void nothingWithoutAnAnalyserOrAHeadword()
    {
        BaseFormLookup none([](const MorphologySource&) { return nullptr; });
        DictionaryRecordset& en = m_store->recordset(DictionaryId::English);
        QVERIFY(none.find(DictionaryId::English, en, u"houses"_s).isEmpty());
        // Punctuation is taken off even without an analyser.
        QCOMPARE(none.find(DictionaryId::English, en, u"(house)"_s).first().headword, u"house"_s);
        QVERIFY(m_lookup.find(DictionaryId::English, en, u"zzxq"_s).isEmpty());
        QVERIFY(m_lookup.find(DictionaryId::English, en, u"..."_s).isEmpty());
        QCOMPARE(notFoundWithForms({}), notFoundText());
        QCOMPARE(notFoundWithForms({{u"house"_s, u"x"_s}}), notFoundText() + u"\n\nhouse\nx"_s);
    }

    void suggestionsWhileTyping()
    {
        QWidget window;
        auto* label = new QLabel(&window);
        auto* combo = new QComboBox(&window);
        combo->setEditable(true);
        combo->setCompleter(nullptr);
        auto* translation = new QPlainTextEdit(&window);
        fakes::FakeKeyboard keyboard;
        testing::TestDatabase db;
        QList<testing::Row> rows;
        for (int i = 0; i < 30; ++i)
            rows.append({u"haus%1"_s.arg(i, 2, 10, QChar(u'0')), u"\u062E"_s});
        rows.append({u"Haus"_s, u"\u062E\u0627\u0646\u0647"_s});
        rows.append({u"H\u00E4user"_s, u"\u062E"_s});
        db.insert(DictionaryId::German, rows);
        auto store = db.open();
        DictionaryLookup lookup(*store, keyboard, {label, combo, translation}, &m_lookup);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        lookup.switchDictionary(DictionaryId::German);
        combo->setFocus();

        // Keys go to the combo box, as a keyboard's do.
        QTest::keyClicks(combo, u"hau"_s);
        QCOMPARE(combo->currentText(), u"hau"_s); // nothing completed
        QCOMPARE(translation->toPlainText(), notFoundText());
        SuggestionList& list = lookup.suggestions();
        QVERIFY(list.isShown());
        QCOMPARE(list.words().size(), SuggestionList::MostSuggestions);
        QCOMPARE(list.words().first(), u"Haus"_s);
        QCOMPARE(list.words().at(1), u"haus00"_s);
        QVERIFY(!list.words().contains(u"H\u00E4user"_s));
        // Down and Up move in the suggestions, not in the word list; Enter picks, and the
        // pick is looked up.
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(list.currentRow(), 0);
        QCOMPARE(combo->currentText(), u"hau"_s);
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(combo->currentText(), u"Haus"_s);
        QCOMPARE(translation->toPlainText(), u"\u062E\u0627\u0646\u0647"_s);
        QVERIFY(!list.isShown());
        // Escape closes the list; a typed headword closes it, its translation stays in view.
        QTest::keyClick(combo, Qt::Key_Backspace);
        QVERIFY(list.isShown());
        QTest::keyClick(combo, Qt::Key_Escape);
        QVERIFY(!list.isShown());
        QTest::keyClick(combo, Qt::Key_Backspace);
        QVERIFY(list.isShown());
        QTest::keyClicks(combo, u"us"_s);
        QVERIFY(!list.isShown());
        // A text written by the program (the clipboard watcher) closes it.
        QTest::keyClick(combo, Qt::Key_Backspace);
        QVERIFY(list.isShown());
        combo->setEditText(u"haus1"_s);
        QVERIFY(!list.isShown());
    }

private:
    std::unique_ptr<DictionaryStore> m_store;
    BaseFormLookup m_lookup;
};

QTEST_MAIN(TestBaseForms)
#include "test_base_forms.moc"
