#pragma once

#include "store/database_connection.h"

#include <QString>

#include <cstdint>
#include <optional>

struct sqlite3_stmt;

namespace lexaro {

struct DictionaryEntry;

// Writes rows of one dictionary's table inside one transaction. Statements are prepared
// once and every word is bound as a parameter. A writer destroyed before commit() rolls
// the whole transaction back, so a caller that stops on an error leaves the table as it was.
class WordTableWriter
{
public:
    using RowId = std::int64_t;

    enum class Error
    {
        None,
        Busy,     // another connection holds the database
        ReadOnly, // the file or its folder cannot be written
        Full,     // the disk is full
        NoInodes, // the file system has no room for another file (the journal)
        Changed,  // another program replaced or overwrote the file under the connection
        Failed,   // any other failure of the database
    };

    struct FoundRow
    {
        bool ok = false;
        std::optional<RowId> row; // empty when no stored word matches
    };

    WordTableWriter(DatabaseConnection& connection, const DictionaryEntry& dictionary);
    ~WordTableWriter();
    WordTableWriter(const WordTableWriter&) = delete;
    WordTableWriter& operator=(const WordTableWriter&) = delete;

    // Starts the transaction and takes the write lock at once, so that a busy database
    // shows itself before any work is done.
    bool begin();
    bool isActive() const { return m_active; }

    // The first row, in list order, whose Word equals `word` under the word comparison.
    FoundRow find(QStringView word);
    // A null translation stores NULL. The word's inflected forms go into the forms table with
    // it, when the connection has inflection rules.
    bool insert(QStringView word, QStringView translation);
    bool replaceTranslation(RowId row, QStringView translation);
    // The word's inflected forms alone, for a word already stored.
    bool addForms(QStringView word);

    bool commit();
    void rollback();

    // Why the last call that returned false failed.
    Error error() const { return m_error; }

private:
    bool prepare(sqlite3_stmt*& statement, const QString& sql);
    bool bind(sqlite3_stmt* statement, int index, QStringView text, QByteArray& buffer);
    bool run(sqlite3_stmt* statement);
    bool fail();
    Error errorOf(int code) const;

    DatabaseConnection& m_connection;
    DatabaseConnection::WriteWait m_writing;
    const DictionaryEntry& m_dictionary;
    QString m_table;
    bool m_active = false;
    Error m_error = Error::None;
    sqlite3_stmt* m_find = nullptr;
    sqlite3_stmt* m_insert = nullptr;
    sqlite3_stmt* m_replace = nullptr;
    sqlite3_stmt* m_insertForm = nullptr;
    // The bound UTF-8 texts live here until the statement has run.
    QByteArray m_first;
    QByteArray m_second;
};

} // namespace lexaro
