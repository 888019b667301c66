#pragma once

#include "store/sqlite_statement.h"

#include <QString>

#include <array>
#include <optional>

namespace lexaro {

class DatabaseConnection;
struct DictionaryEntry;

// The four statements every read and write goes through.
enum class WordQuery
{
    WordList,   // Select * From <table> Order by Word
    WordLookup, // Select * From <table> Where Word=?
    WordExists, // Select Word From <table> Where Word=?
    WholeTable, // Select * From <table>
};

// A forward cursor over one dictionary's table. Statements are prepared once, on first
// use, and reused; the word is always bound as a parameter.
class DictionaryRecordset
{
public:
    DictionaryRecordset(DatabaseConnection& connection, const DictionaryEntry& dictionary);
    DictionaryRecordset(const DictionaryRecordset&) = delete;
    DictionaryRecordset& operator=(const DictionaryRecordset&) = delete;

    const QString& name() const { return m_name; }
    static QString statementText(WordQuery query, const QString& table);

    // Fails when the recordset is already open or the statement cannot run; a failed
    // open leaves the recordset closed (or, if it was open, as it was).
    bool open(WordQuery query, QStringView word = {});
    bool isOpen() const { return m_current != nullptr; }
    // True when there is no current row, and also when the recordset is closed.
    bool atEnd() const { return !m_current || !m_hasRow; }
    // nullopt when there is no current row or the field holds no value.
    std::optional<QString> word() const;
    std::optional<QString> translation() const;
    bool moveNext();
    void close();

private:
    struct Prepared
    {
        SqliteStatement statement;
        int wordColumn = -1;
        int translationColumn = -1;
    };
    Prepared* prepared(WordQuery query);

    DatabaseConnection& m_connection;
    QString m_table;
    QString m_name;
    std::array<std::optional<Prepared>, 4> m_statements;
    Prepared* m_current = nullptr;
    bool m_hasRow = false;
};

} // namespace lexaro
