#include "support/test_database.h"

#include "store/word_table_writer.h"

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
    sqlite3* db = m_writer->handle();
    WordTableWriter writer(*m_writer, DictionaryCatalog::entry(id));
    require(writer.begin(), "Begin", db);
    for (const Row& row : rows)
        require(writer.insert(row.word, row.translation), "inserting a row", db);
    require(writer.commit(), "Commit", db);
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
