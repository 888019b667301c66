#include "store/dictionary_store.h"

namespace lexaro {

DictionaryStore::OpenResult DictionaryStore::open(const QString& path)
{
    DatabaseConnection::OpenResult opened = DatabaseConnection::open(path);
    if (!opened.connection)
        return {nullptr, opened.error};
    return {std::make_unique<DictionaryStore>(std::move(opened.connection)),
            DatabaseOpenError::None};
}

DictionaryStore::DictionaryStore(std::unique_ptr<DatabaseConnection> connection)
    : m_connection(std::move(connection))
{
    for (const DictionaryEntry& e : DictionaryCatalog::entries())
        m_recordsets[static_cast<std::size_t>(e.id)] =
            std::make_unique<DictionaryRecordset>(*m_connection, e);
}

DictionaryRecordset& DictionaryStore::recordset(DictionaryId id)
{
    return *m_recordsets[static_cast<std::size_t>(id)];
}

} // namespace lexaro
