#pragma once

#include "store/database_connection.h"
#include "store/dictionary_catalog.h"
#include "store/dictionary_store.h"

#include <QTemporaryDir>

#include <initializer_list>
#include <memory>
#include <utility>

namespace lexaro::testing {

struct Row
{
    QString word;
    QString translation; // a null QString stores NULL
};

// A fresh database with the nine tables in a temporary folder.
class TestDatabase
{
public:
    TestDatabase();
    QString path() const { return m_dir.filePath(QStringLiteral("Lexaro.db")); }
    void insert(DictionaryId id, std::initializer_list<Row> rows);
    void insert(DictionaryId id, const QList<Row>& rows);
    bool execute(const QString& sql);
    // Rows inserted from now on take their inflected forms into the forms tables.
    void setInflections(const WordInflections* rules) { m_writer->setInflections(rules); }
    std::unique_ptr<DictionaryStore> open() const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<DatabaseConnection> m_writer;
};

} // namespace lexaro::testing
