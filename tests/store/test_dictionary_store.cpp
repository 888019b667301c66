#include "store/dictionary_store.h"
#include "store/sqlite_statement.h"
#include "store/word_lookup.h"
#include "support/test_database.h"

#include <QFile>
#include <QTest>

#include <sqlite3.h>

using namespace lexaro;
using namespace lexaro::testing;
using Outcome = LookupResult::Outcome;

namespace {

QString queryPlan(DatabaseConnection& db, const QString& sql)
{
    SqliteStatement explain(db.handle(), QStringLiteral("Explain Query Plan ") + sql);
    QString plan;
    while (explain.step() == SqliteStatement::Step::Row)
        plan += explain.text(3).value_or(QString()) + QLatin1Char('\n');
    return plan;
}

} // namespace

class TestDictionaryStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusesWhatIsNotItsDatabase_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file at all
        QTest::addColumn<QString>("setupSql");
        QTest::addColumn<int>("error");
        QTest::newRow("missing") << QByteArray() << QString()
                                 << int(DatabaseOpenError::FileMissing);
        QTest::newRow("not SQLite") << QByteArray("This is a text file, not a database.\n", 37)
                                    << QString() << int(DatabaseOpenError::NotADatabase);
        QTest::newRow("no tables") << QByteArray("", 0) << QStringLiteral("Create Table Other (x)")
                                   << int(DatabaseOpenError::TablesMissing);
        QTest::newRow("table without translation column")
            << QByteArray("", 0) << QStringLiteral("Create Table English_to_Persian (Word Text)")
            << int(DatabaseOpenError::TablesMissing);
    }

    void refusesWhatIsNotItsDatabase()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, setupSql);
        QFETCH(int, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Lexaro.db"));
        if (!content.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        if (!setupSql.isEmpty()) {
            sqlite3* raw = nullptr;
            QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &raw), SQLITE_OK);
            QCOMPARE(sqlite3_exec(raw, setupSql.toUtf8().constData(), nullptr, nullptr, nullptr),
                     SQLITE_OK);
            sqlite3_close(raw);
        }
        const DictionaryStore::OpenResult result = DictionaryStore::open(path);
        QVERIFY(!result.store);
        QCOMPARE(int(result.error), error);
        QCOMPARE(QFile::exists(path), !content.isNull()); // a missing file is never created
    }

    void writesActOnTheRowTheLookUpFound()
    {
        TestDatabase db;
        db.insert(DictionaryId::English, {{QStringLiteral("twice"), QStringLiteral("first")},
                                          {QStringLiteral("twice"), QStringLiteral("second")}});
        auto store = db.open();
        DictionaryRecordset& rs = store->recordset(DictionaryId::English);

        const LookupResult first = lookUpTranslation(rs, u"twice");
        QVERIFY(first.row);
        QVERIFY(rs.updateTranslation(*first.row, u"changed"));
        QCOMPARE(lookUpTranslation(rs, u"twice").translation, QStringLiteral("changed"));
        QVERIFY(rs.remove(*first.row));
        QCOMPARE(lookUpTranslation(rs, u"twice").translation, QStringLiteral("second"));
        // The row is gone: neither write reports a success it did not have.
        QVERIFY(!rs.remove(*first.row));
        QVERIFY(!rs.updateTranslation(*first.row, u"again"));

        const std::optional<RowId> added = rs.add(u"don't", u"\u0646\u06A9\u0646");
        QVERIFY(added);
        QCOMPARE(lookUpTranslation(rs, u"DON'T").row, added);
        // The table refuses an empty translation, and the row keeps its text.
        QVERIFY(!rs.add(u"empty", u""));
        QVERIFY(!rs.updateTranslation(*added, u""));
        QCOMPARE(lookUpTranslation(rs, u"don't").translation, QStringLiteral("\u0646\u06A9\u0646"));
        QVERIFY(!rs.isOpen());
    }

    void wordsRoundTripExactly_data()
    {
        QTest::addColumn<QString>("word");
        QTest::newRow("apostrophe") << QStringLiteral("don't");
        QTest::newRow("two apostrophes") << QStringLiteral("l''acqua'");
        QTest::newRow("double quote") << QStringLiteral("say \"hi\"");
        QTest::newRow("backslash") << QStringLiteral("C:\\path\\");
        QTest::newRow("percent") << QStringLiteral("100%");
        QTest::newRow("underscore") << QStringLiteral("snake_case");
        QTest::newRow("SQL") << QStringLiteral("x' Or '1'='1");
        QTest::newRow("Persian") << QStringLiteral("\u06A9\u062A\u0627\u0628\u200C\u0647\u0627");
        QTest::newRow("Chinese") << QStringLiteral("\u4E66");
        QTest::newRow("emoji") << QStringLiteral("\U0001F600");
    }

    void wordsRoundTripExactly()
    {
        QFETCH(QString, word);
        TestDatabase db;
        db.insert(DictionaryId::English, {{word, QStringLiteral("\u0645\u0639\u0646\u06CC")},
                                          {QStringLiteral("abc"), QStringLiteral("x")}});
        auto store = db.open();
        QVERIFY(store);
        DictionaryRecordset& rs = store->recordset(DictionaryId::English);
        const LookupResult found = lookUpTranslation(rs, word);
        QCOMPARE(int(found.outcome), int(Outcome::Found));
        QCOMPARE(found.translation, QStringLiteral("\u0645\u0639\u0646\u06CC"));
        QVERIFY(readWordList(rs).contains(word));
        QVERIFY(rs.open(WordQuery::WordExists, word));
        QCOMPARE(rs.word(), std::optional(word));
        rs.close();
        // Pattern characters are only characters: "%" and "_" match nothing else.
        QCOMPARE(int(lookUpTranslation(rs, QStringLiteral("%")).outcome), int(Outcome::NotFound));
        QCOMPARE(int(lookUpTranslation(rs, QStringLiteral("ab_")).outcome), int(Outcome::NotFound));
    }

    void lookUpFollowsTheWordComparison()
    {
        TestDatabase db;
        db.insert(DictionaryId::German, {{QStringLiteral("\u00DCber"), QStringLiteral("one")}});
        db.insert(DictionaryId::Arabic,
                  {{QStringLiteral("\u06A9\u062A\u0627\u0628"), QStringLiteral("two")}});
        auto store = db.open();
        QCOMPARE(
            lookUpTranslation(store->recordset(DictionaryId::German), u"\u00FCber").translation,
            QStringLiteral("one"));
        QCOMPARE(int(lookUpTranslation(store->recordset(DictionaryId::German), u"Uber").outcome),
                 int(Outcome::NotFound));
        QCOMPARE(lookUpTranslation(store->recordset(DictionaryId::Arabic),
                                   u"\u0643\u0650\u062A\u0627\u0628")
                     .translation,
                 QStringLiteral("two"));
        QCOMPARE(int(lookUpTranslation(store->recordset(DictionaryId::Arabic),
                                       u"\u06A9\u062A\u0627\u0628 ")
                         .outcome),
                 int(Outcome::NotFound));
    }

    void wordListOrderSkipsNullWords()
    {
        TestDatabase db;
        db.insert(DictionaryId::French, {{QStringLiteral("banane"), QStringLiteral("a")},
                                         {QStringLiteral("Abricot"), QStringLiteral("b")},
                                         {QStringLiteral("\u00E9t\u00E9"), QStringLiteral("c")},
                                         {QStringLiteral("cerise"), QStringLiteral("d")},
                                         {QStringLiteral("abricot"), QStringLiteral("e")}});
        QVERIFY(db.execute(QStringLiteral("Insert Into French_to_Persian Values (Null, 'f')")));
        auto store = db.open();
        DictionaryRecordset& rs = store->recordset(DictionaryId::French);
        QCOMPARE(readWordList(rs),
                 (QStringList{QStringLiteral("Abricot"), QStringLiteral("abricot"),
                              QStringLiteral("banane"), QStringLiteral("cerise"),
                              QStringLiteral("\u00E9t\u00E9")}));
        QVERIFY(!rs.isOpen());
        QVERIFY(readWordList(store->recordset(DictionaryId::Italian)).isEmpty());
    }

    void lookUpAndListAreAnsweredFromTheIndex()
    {
        TestDatabase db;
        auto store = db.open();
        for (const WordQuery q : {WordQuery::WordLookup, WordQuery::WordExists}) {
            const QString plan = queryPlan(
                store->connection(),
                DictionaryRecordset::statementText(q, QStringLiteral("Spanish_to_Persian")));
            QVERIFY2(plan.contains(QStringLiteral("USING INDEX")) ||
                         plan.contains(QStringLiteral("USING COVERING INDEX")),
                     qPrintable(plan));
        }
        const QString listPlan = queryPlan(
            store->connection(), DictionaryRecordset::statementText(
                                     WordQuery::WordList, QStringLiteral("Spanish_to_Persian")));
        QVERIFY2(!listPlan.contains(QStringLiteral("TEMP B-TREE")), qPrintable(listPlan));
    }

    void failuresLeaveNothingHalfDone()
    {
        TestDatabase db;
        db.insert(DictionaryId::English, {{QStringLiteral("null"), QString()},
                                          {QStringLiteral("twice"), QStringLiteral("first")},
                                          {QStringLiteral("twice"), QStringLiteral("second")}});
        auto store = db.open();
        DictionaryRecordset& rs = store->recordset(DictionaryId::English);

        QCOMPARE(int(lookUpTranslation(rs, u"null").outcome), int(Outcome::Failed));
        QCOMPARE(lookUpTranslation(rs, u"twice").translation, QStringLiteral("first"));

        // Opening an open recordset fails and keeps its row.
        QVERIFY(rs.open(WordQuery::WordLookup, u"twice"));
        QVERIFY(!rs.open(WordQuery::WordLookup, u"null"));
        QCOMPARE(rs.translation(), std::optional(QStringLiteral("first")));
        rs.close();
        QVERIFY(rs.atEnd());

        // A statement that can no longer run: the table is gone.
        QVERIFY(store->connection().execute(QStringLiteral("Drop Table English_to_Persian")));
        QCOMPARE(int(lookUpTranslation(rs, u"twice").outcome), int(Outcome::Failed));
        QVERIFY(!rs.isOpen());
        QVERIFY(readWordList(rs).isEmpty());
    }

    void anotherToolCannotWriteAroundTheComparison()
    {
        // Without our comparison registered, SQLite refuses to touch the word index, so
        // no other program can store a row the index would misplace.
        TestDatabase db;
        sqlite3* raw = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(db.path()).constData(), &raw), SQLITE_OK);
        const int rc = sqlite3_exec(raw, "Insert Into English_to_Persian Values ('a', 'b')",
                                    nullptr, nullptr, nullptr);
        QVERIFY(rc != SQLITE_OK);
        QVERIFY(QByteArray(sqlite3_errmsg(raw)).contains("collation"));
        sqlite3_close(raw);
    }
};

QTEST_APPLESS_MAIN(TestDictionaryStore)
#include "test_dictionary_store.moc"
