#include "fakes/fake_clock.h"
#include "store/dictionary_store.h"
#include "store/sqlite_statement.h"
#include "store/user_word_database.h"
#include "store/word_limits.h"
#include "store/word_lookup.h"
#include "support/test_database.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <functional>

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

// Runs a check as an ordinary user: root writes through read-only permissions, a user does
// not. Returns the check's result (0 for success).
int asOrdinaryUser(const std::function<int()>& check)
{
    if (::geteuid() != 0)
        return check();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(99);
        ::_exit(check());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

// The child of the crash test: adds words one by one and says so after each success.
int addWordsUntilKilled(const QString& path)
{
    auto store = DictionaryStore::open(path).store;
    if (!store)
        return 1;
    QTextStream out(stdout);
    for (int i = 0; i < 1000; ++i) {
        const QString word = QStringLiteral("word%1").arg(i);
        if (store->recordset(DictionaryId::English).add(word, u"\u0648\u0627\u0698\u0647"))
            out << word << Qt::endl;
    }
    return 0;
}

std::optional<QString> translationIn(const QString& path, const QString& word)
{
    auto store = DictionaryStore::open(path).store;
    if (!store)
        return std::nullopt;
    DictionaryRecordset& english = store->recordset(DictionaryId::English);
    if (!english.open(WordQuery::WordLookup, word))
        return std::nullopt;
    std::optional<QString> found = english.atEnd() ? std::nullopt : english.translation();
    english.close();
    return found;
}

} // namespace

class TestDictionaryStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A system install: the shipped words cannot be written by the user, whose own adds, edits
    // and deletes go to a copy and survive a newer shipped database.
    void usersOwnWordsSurviveANewShippedDatabase()
    {
        TestDatabase shipped;
        shipped.insert(DictionaryId::English, {{QStringLiteral("house"), QStringLiteral("a")},
                                               {QStringLiteral("cat"), QStringLiteral("b")},
                                               {QStringLiteral("dog"), QStringLiteral("c")},
                                               {QStringLiteral("tree"), QStringLiteral("d")}});
        const QString folder = QFileInfo(shipped.path()).path();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadOther | QFile::ExeOther);
        QFile::setPermissions(shipped.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        QTemporaryDir home;
        QFile::setPermissions(home.path(), QFile::ReadOther | QFile::WriteOther | QFile::ExeOther |
                                               QFile::ReadOwner | QFile::WriteOwner |
                                               QFile::ExeOwner);
        UserWordDatabase words(shipped.path(), home.filePath(QStringLiteral("lexaro")));

        QCOMPARE(asOrdinaryUser([&] {
                     if (words.pathToUse(UserWordDatabase::Use::Read) != shipped.path())
                         return 1; // reading needs no copy
                     const QString path = words.pathToUse(UserWordDatabase::Use::ReadWrite);
                     auto store = DictionaryStore::open(path).store;
                     if (path != words.copyPath() || !store)
                         return 2;
                     DictionaryRecordset& english = store->recordset(DictionaryId::English);
                     english.open(WordQuery::WordLookup, u"cat");
                     const std::optional<RowId> cat = english.rowId();
                     english.close();
                     english.open(WordQuery::WordLookup, u"dog");
                     const std::optional<RowId> dog = english.rowId();
                     english.close();
                     return english.add(u"lamp", u"e") && cat &&
                                    english.updateTranslation(*cat, u"cat", u"mine") && dog &&
                                    english.remove(*dog)
                                ? 0
                                : 3;
                 }),
                 0);
        QCOMPARE(translationIn(shipped.path(), QStringLiteral("lamp")), std::nullopt);

        // The package is upgraded: a word comes, a word changes, the word the user changed
        // changes too.
        for (const char* sql :
             {"Insert Into English_to_Persian (Word, Translati0n) Values ('sun', 'f')",
              "Update English_to_Persian Set Translati0n = 'g' Where Word = 'tree'",
              "Update English_to_Persian Set Translati0n = 'h' Where Word = 'cat'"})
            QVERIFY(shipped.execute(QString::fromLatin1(sql)));
        QFile file(shipped.path());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                 QFileDevice::FileModificationTime));
        file.close();

        QCOMPARE(asOrdinaryUser([&] {
                     return words.pathToUse(UserWordDatabase::Use::ReadWrite) == words.copyPath()
                                ? 0
                                : 1;
                 }),
                 0);
        const QString mine = words.copyPath();
        QCOMPARE(translationIn(mine, QStringLiteral("sun")), QStringLiteral("f"));
        QCOMPARE(translationIn(mine, QStringLiteral("tree")), QStringLiteral("g"));
        QCOMPARE(translationIn(mine, QStringLiteral("house")), QStringLiteral("a"));
        QCOMPARE(translationIn(mine, QStringLiteral("lamp")), QStringLiteral("e"));
        QCOMPARE(translationIn(mine, QStringLiteral("cat")), QStringLiteral("mine"));
        QCOMPARE(translationIn(mine, QStringLiteral("dog")), std::nullopt);
    }

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

    void writesRoundTripExactly()
    {
        TestDatabase db;
        auto store = db.open();
        DictionaryRecordset& rs = store->recordset(DictionaryId::Swedish);
        const QString word = QStringLiteral("'\"\\%_;-- \U0001F600");
        const QString translation =
            QStringLiteral("\u0633\u0637\u0631\n'\"\\%_;--\n") + QString(10000, u'\u0645');
        const std::optional<RowId> row = rs.add(word, translation);
        QVERIFY(row);
        const LookupResult found = lookUpTranslation(rs, word);
        QCOMPARE(found.translation, translation);
        QCOMPARE(found.word, std::optional(word));
        QVERIFY(rs.updateTranslation(*row, word, QString(translation + u"!")));
        QCOMPARE(lookUpTranslation(rs, word).translation, translation + u'!');
        // No file of its own beside the database once the writes are done.
        QCOMPARE(QDir(QFileInfo(db.path()).path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("Lexaro.db")});
    }

    void faultsGiveAnErrorAndChangeNothing_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("file made read-only") << QStringLiteral("read-only file");
        QTest::newRow("folder made read-only") << QStringLiteral("read-only folder");
        QTest::newRow("locked by another program") << QStringLiteral("locked");
        QTest::newRow("file deleted") << QStringLiteral("deleted");
        QTest::newRow("file replaced") << QStringLiteral("replaced");
    }

    void faultsGiveAnErrorAndChangeNothing()
    {
        QFETCH(QString, fault);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Lexaro.db"));
        QVERIFY(DatabaseConnection::createNew(path));
        {
            auto writer = DictionaryStore::open(path).store;
            QVERIFY(
                writer->recordset(DictionaryId::German).add(u"Haus", u"\u062E\u0627\u0646\u0647"));
        }
        if (::geteuid() == 0) { // the ordinary user owns the folder and the file
            QVERIFY(::chown(QFile::encodeName(dir.path()).constData(), 65534, 65534) == 0);
            QVERIFY(::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0);
        }
        const int result = asOrdinaryUser([&] {
            auto store = DictionaryStore::open(path).store;
            if (!store)
                return 10;
            DictionaryRecordset& rs = store->recordset(DictionaryId::German);
            const std::optional<RowId> row = lookUpTranslation(rs, u"Haus").row;
            std::unique_ptr<DatabaseConnection> holder;
            if (fault == u"read-only file") {
                QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadOther);
            } else if (fault == u"read-only folder") {
                QFile::setPermissions(dir.path(), QFile::ReadOther | QFile::ExeOther |
                                                      QFile::ReadOwner | QFile::ExeOwner);
            } else if (fault == u"locked") {
                holder = DatabaseConnection::open(path).connection;
                if (!holder || !holder->execute(QStringLiteral("Begin Exclusive")))
                    return 11;
            } else if (fault == u"deleted") {
                QFile::remove(path);
            } else if (fault == u"replaced") {
                QFile::rename(path, path + u".old");
                QFile::copy(path + u".old", path);
            }
            fakes::FakeClock clock;
            store->connection().setClock(clock);
            const bool anyWrite =
                rs.add(u"neu", u"\u0646\u0648").has_value() ||
                rs.updateTranslation(*row, u"Haus", u"\u062F\u06CC\u06AF\u0631") || rs.remove(*row);
            // The busy timeout bounds the wait for a locked file: three writes, two
            // seconds each at most.
            if (clock.now() - Clock::TimePoint() > std::chrono::seconds(6))
                return 12;
            return anyWrite ? 13 : 0;
        });
        QCOMPARE(result, 0);
        // Nothing else changed: the word and its translation are as they were.
        const QString kept = QFile::exists(path + u".old") ? path + u".old" : path;
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (QFile::exists(kept)) {
            QFile::setPermissions(kept, QFile::ReadOwner | QFile::WriteOwner);
            auto store = DictionaryStore::open(kept).store;
            QVERIFY(store);
            DictionaryRecordset& rs = store->recordset(DictionaryId::German);
            QCOMPARE(lookUpTranslation(rs, u"Haus").translation,
                     QStringLiteral("\u062E\u0627\u0646\u0647"));
            QCOMPARE(readWordList(rs), QStringList{QStringLiteral("Haus")});
        }
    }

    void killedWhileAddingLosesNothingReported()
    {
        TestDatabase db;
        QProcess child;
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments({QStringLiteral("--add-words"), db.path()});
        child.start();
        QVERIFY(child.waitForStarted());
        QStringList reported;
        QElapsedTimer clock;
        clock.start();
        while (reported.size() < 200 && clock.elapsed() < 60000 && child.waitForReadyRead(10000)) {
            while (child.canReadLine())
                reported << QString::fromUtf8(child.readLine()).trimmed();
        }
        ::kill(pid_t(child.processId()), SIGKILL);
        child.waitForFinished();
        while (child.canReadLine())
            reported << QString::fromUtf8(child.readLine()).trimmed();
        QVERIFY2(reported.size() >= 200, qPrintable(QString::number(reported.size())));

        auto store = db.open();
        QVERIFY(store);
        SqliteStatement check(store->connection().handle(),
                              QStringLiteral("Pragma integrity_check"));
        QCOMPARE(check.step(), SqliteStatement::Step::Row);
        QCOMPARE(check.text(0), std::optional(QStringLiteral("ok")));
        const QStringList stored = readWordList(store->recordset(DictionaryId::English));
        for (const QString& word : std::as_const(reported))
            QVERIFY2(stored.contains(word), qPrintable(word));
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
        QVERIFY(rs.updateTranslation(*first.row, u"twice", u"changed"));
        QCOMPARE(lookUpTranslation(rs, u"twice").translation, QStringLiteral("changed"));
        QVERIFY(rs.remove(*first.row));
        QCOMPARE(lookUpTranslation(rs, u"twice").translation, QStringLiteral("second"));
        // The row is gone: neither write reports a success it did not have.
        QVERIFY(!rs.remove(*first.row));
        QVERIFY(!rs.updateTranslation(*first.row, u"twice", u"again"));

        const std::optional<RowId> added = rs.add(u"don't", u"\u0646\u06A9\u0646");
        QVERIFY(added);
        QCOMPARE(lookUpTranslation(rs, u"DON'T").row, added);
        // The table refuses an empty translation, and the row keeps its text.
        QVERIFY(!rs.add(u"empty", u""));
        QVERIFY(!rs.updateTranslation(*added, u"don't", u""));
        QCOMPARE(lookUpTranslation(rs, u"don't").translation, QStringLiteral("\u0646\u06A9\u0646"));
        QVERIFY(!rs.isOpen());

        // A database made before the table had its rule behaves the same.
        QVERIFY(db.execute(QStringLiteral("Drop Table Italian_to_Persian")));
        QVERIFY(db.execute(QStringLiteral("Create Table Italian_to_Persian (Word Text Collate "
                                          "WORDFOLD, Translati0n Text)")));
        auto old = db.open();
        QVERIFY(old);
        DictionaryRecordset& italian = old->recordset(DictionaryId::Italian);
        const std::optional<RowId> casa = italian.add(u"casa", u"\u062E\u0627\u0646\u0647");
        QVERIFY(casa);
        QVERIFY(!italian.add(u"vuoto", u""));
        QVERIFY(!italian.updateTranslation(*casa, u"casa", u""));
        QCOMPARE(lookUpTranslation(italian, u"casa").translation,
                 QStringLiteral("\u062E\u0627\u0646\u0647"));
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
        QTest::newRow("comment and statement end") << QStringLiteral("a;--b");
        QTest::newRow("the longest word") << QString(WordLimits::MaxWordLength, u'\u0628');
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

    void anIndexOfAnOlderComparisonIsRebuilt()
    {
        // Rows stored by a program whose comparison counted the direction marks: there the
        // mark sorts "a\u200Fb" after "ac", today it is "ab", before "ac". Binary order
        // stands in for the old comparison.
        TestDatabase db;
        QVERIFY(db.execute(QStringLiteral("Pragma user_version = 1")));
        sqlite3* raw = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(db.path()).constData(), &raw), SQLITE_OK);
        QCOMPARE(sqlite3_create_collation(raw, "WORDFOLD", SQLITE_UTF8, nullptr,
                                          [](void*, int la, const void* a, int lb, const void* b) {
                                              const int c =
                                                  std::memcmp(a, b, std::size_t(std::min(la, lb)));
                                              return c != 0 ? c : la - lb;
                                          }),
                 SQLITE_OK);
        QCOMPARE(sqlite3_exec(raw,
                              "Insert Into English_to_Persian Values ('ac', 'one'), "
                              "('a\u200Fb', 'two')",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(raw);

        auto store = db.open();
        QCOMPARE(lookUpTranslation(store->recordset(DictionaryId::English), u"ab").translation,
                 QStringLiteral("two"));
        SqliteStatement check(store->connection().handle(),
                              QStringLiteral("Pragma integrity_check"));
        QCOMPARE(check.step(), SqliteStatement::Step::Row);
        QCOMPARE(check.text(0), std::optional(QStringLiteral("ok")));
    }

    // Another program holds the database: look-ups give up at once, so typing stays fluid,
    // while a write waits for the lock as before. Values beyond the limits are refused.
    void lockedDatabaseAnswersAtOnce()
    {
        TestDatabase db;
        db.insert(DictionaryId::English, {{QStringLiteral("house"), QStringLiteral("x")}});
        auto store = db.open();
        DictionaryRecordset& rs = store->recordset(DictionaryId::English);
        auto holder = DatabaseConnection::open(db.path()).connection;
        QVERIFY(holder && holder->execute(QStringLiteral("Begin Exclusive")));
        fakes::FakeClock clock;
        store->connection().setClock(clock);
        auto waited = [&clock, since = clock.now()]() mutable {
            return std::chrono::duration_cast<std::chrono::milliseconds>(
                       clock.now() - std::exchange(since, clock.now()))
                .count();
        };
        for (const char* typed : {"h", "ho", "hou", "hous", "house"}) {
            const QString word = QString::fromLatin1(typed);
            QCOMPARE(int(lookUpTranslation(rs, word).outcome), int(Outcome::Failed));
            QVERIFY(rs.lastOpenWasBusy());
            QVERIFY(wordsBeginningWith(rs, word, 20).isEmpty());
        }
        // The first look-up waited its 50 ms, the nine statements after it not at all.
        QCOMPARE(waited(), 50);
        QVERIFY(!rs.add(u"new", u"\u0646\u0648"));
        QCOMPARE(waited(), 2000);
        QVERIFY(holder->execute(QStringLiteral("Rollback")));
        QCOMPARE(int(lookUpTranslation(rs, u"house").outcome), int(Outcome::Found));

        const QString longest(WordLimits::MaxWordLength, QLatin1Char('w'));
        const QString widest(WordLimits::MaxTranslationBytes / 2, QChar(0x0627)); // 2 bytes each
        QVERIFY(rs.add(longest, u"x"));
        QVERIFY(!rs.add(QString(longest + u'w'), u"x"));
        QVERIFY(rs.add(u"wide", widest));
        QVERIFY(!rs.add(u"wider", QString(widest + u'x')));
        const std::optional<RowId> row = lookUpTranslation(rs, u"wide").row;
        QVERIFY(row && !rs.updateTranslation(*row, u"wide", QString(widest + u'x')));
    }

    // A file copied over the open database, with the same change counter, is noticed: the
    // refresh reads it afresh, and a write into it is refused once (what the user saw came
    // from the old file), leaving it whole; the next one goes through.
    void fileOverwrittenInPlaceIsNoticed()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Lexaro.db"));
        QVERIFY(DatabaseConnection::createNew(path));
        const auto variant = [&](const char* name, const char16_t* word) {
            const QString file = dir.filePath(QLatin1StringView(name));
            QFile::copy(path, file);
            DictionaryStore::open(file).store->recordset(DictionaryId::English).add(word, u"x");
            return file;
        };
        const QString withHouse = variant("house.db", u"house");
        const QString withMouse = variant("mouse.db", u"mouse");
        const auto overwrite = [&](const QString& from) {
            QFile source(from);
            QFile target(path); // the same file, written in place as cp does
            QVERIFY(source.open(QIODevice::ReadOnly) && target.open(QIODevice::WriteOnly));
            target.write(source.readAll());
        };
        const auto integrity = [&] {
            auto fresh = DictionaryStore::open(path).store;
            SqliteStatement check(fresh->connection().handle(),
                                  QStringLiteral("Pragma integrity_check"));
            return check.step() == SqliteStatement::Step::Row ? check.text(0) : std::nullopt;
        };
        DictionaryStore::open(path).store->recordset(DictionaryId::English).add(u"cat", u"x");
        auto store = DictionaryStore::open(path).store;
        DictionaryRecordset& rs = store->recordset(DictionaryId::English);
        QCOMPARE(int(lookUpTranslation(rs, u"house").outcome), int(Outcome::NotFound));

        overwrite(withHouse);
        QCOMPARE(readWordList(rs), QStringList{QStringLiteral("house")});
        QCOMPARE(int(lookUpTranslation(rs, u"house").outcome), int(Outcome::Found));

        overwrite(withMouse);
        QVERIFY(!rs.add(u"dog", u"x"));
        QCOMPARE(integrity(), std::optional(QStringLiteral("ok")));
        QCOMPARE(int(lookUpTranslation(rs, u"mouse").outcome), int(Outcome::Found));
        QVERIFY(rs.add(u"dog", u"x"));
        QCOMPARE(integrity(), std::optional(QStringLiteral("ok")));
        QCOMPARE(readWordList(rs), (QStringList{QStringLiteral("dog"), QStringLiteral("mouse")}));
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

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--add-words") == 0)
        return addWordsUntilKilled(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    TestDictionaryStore test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_dictionary_store.moc"
