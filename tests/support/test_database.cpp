#include "support/test_database.h"

#include "store/sqlite_statement.h"
#include "store/word_table_writer.h"

#include <sqlite3.h>

using namespace Qt::StringLiterals;

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
    // The program never stores a row without a translation; older databases may hold some.
    SqliteStatement untranslated(db, u"Insert Into "_s + DictionaryCatalog::entry(id).tableName +
                                         u" (Word) Values (?1)"_s);
    for (const Row& row : rows) {
        if (!row.translation.isNull()) {
            require(writer.insert(row.word, row.translation).has_value(), "inserting a row", db);
            continue;
        }
        require(untranslated.bindText(1, row.word) &&
                    untranslated.step() == SqliteStatement::Step::Done,
                "inserting a row without translation", db);
        untranslated.reset();
    }
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
