#include "support/test_database.h"

#include "store/sqlite_statement.h"

#include <sqlite3.h>

namespace lexaro::testing {

TestDatabase::TestDatabase() : m_writer(DatabaseConnection::createNew(path())) {}

void TestDatabase::insert(DictionaryId id, std::initializer_list<Row> rows)
{
    insert(id, QList<Row>(rows));
}

void TestDatabase::insert(DictionaryId id, const QList<Row>& rows)
{
    const QString table = DictionaryCatalog::entry(id).tableName;
    m_writer->execute(QStringLiteral("Begin"));
    SqliteStatement statement(m_writer->handle(), QStringLiteral("Insert Into ") + table +
                                                      QStringLiteral(" Values (?1, ?2)"));
    for (const Row& row : rows) {
        statement.reset();
        statement.bindText(1, row.word);
        if (!row.translation.isNull())
            statement.bindText(2, row.translation);
        statement.step();
    }
    m_writer->execute(QStringLiteral("Commit"));
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
