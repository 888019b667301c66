#include "support/test_database.h"

#include "store/sqlite_statement.h"

#include <sqlite3.h>

namespace lexaro::testing {

namespace {

// A set-up step that fails would leave the test checking something else: stop it loudly.
void require(bool ok, const char* step, sqlite3* db)
{
    if (!ok)
        qFatal("test database: %s failed: %s", step, sqlite3_errmsg(db));
}

} // namespace

TestDatabase::TestDatabase() : m_writer(DatabaseConnection::createNew(path()))
{
    if (!m_writer)
        qFatal("test database: cannot create %s", qPrintable(path()));
}

void TestDatabase::insert(DictionaryId id, std::initializer_list<Row> rows)
{
    insert(id, QList<Row>(rows));
}

void TestDatabase::insert(DictionaryId id, const QList<Row>& rows)
{
    const QString table = DictionaryCatalog::entry(id).tableName;
    sqlite3* db = m_writer->handle();
    require(m_writer->execute(QStringLiteral("Begin")), "Begin", db);
    SqliteStatement statement(db, QStringLiteral("Insert Into ") + table +
                                      QStringLiteral(" (Word, Translati0n) Values (?1, ?2)"));
    require(statement.isValid(), "preparing the insert", db);
    for (const Row& row : rows) {
        statement.reset();
        require(statement.bindText(1, row.word), "binding the word", db);
        if (!row.translation.isNull())
            require(statement.bindText(2, row.translation), "binding the translation", db);
        require(statement.step() == SqliteStatement::Step::Done, "inserting a row", db);
    }
    require(m_writer->execute(QStringLiteral("Commit")), "Commit", db);
}

bool TestDatabase::execute(const QString& sql)
{
    return m_writer->execute(sql);
}

std::unique_ptr<DictionaryStore> TestDatabase::open() const
{
    return DictionaryStore::open(path()).store;
}

} // namespace lexaro::testing
