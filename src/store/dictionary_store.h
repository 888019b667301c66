#pragma once

#include "store/database_connection.h"
#include "store/dictionary_catalog.h"
#include "store/dictionary_recordset.h"

#include <array>
#include <memory>

namespace lexaro {

// Owns the program-long connection and the nine recordsets, one per dictionary.
class DictionaryStore
{
public:
    struct OpenResult
    {
        std::unique_ptr<DictionaryStore> store;
        DatabaseOpenError error = DatabaseOpenError::None;
    };

    static QString databaseFileName() { return QStringLiteral("Lexaro.db"); }
    static OpenResult open(const QString& path);

    explicit DictionaryStore(std::unique_ptr<DatabaseConnection> connection);
    DictionaryStore(const DictionaryStore&) = delete;
    DictionaryStore& operator=(const DictionaryStore&) = delete;

    DatabaseConnection& connection() { return *m_connection; }
    DictionaryRecordset& recordset(DictionaryId id);

private:
    std::unique_ptr<DatabaseConnection> m_connection;
    std::array<std::unique_ptr<DictionaryRecordset>, DictionaryCount> m_recordsets;
};

} // namespace lexaro
