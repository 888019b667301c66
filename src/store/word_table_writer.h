#pragma once

#include "store/database_connection.h"
#include "store/sqlite_statement.h"

#include <QString>

#include <array>
#include <optional>

namespace lexaro {

struct DictionaryEntry;

// A row's identity in its table, as a look-up found it. An edit or a delete acts on exactly
// this row, however many rows hold the same word.
enum class RowId : qint64
{
};

// The one way into a dictionary's table and its forms table: the word windows, the imports and
// the database build all write through it. Writes run inside one transaction; statements are
// prepared once per connection and every word is bound as a parameter. Before the transaction
// begins the file is checked to be the one the connection opened, and no write stores an empty
// translation. A writer destroyed before commit() rolls the whole transaction back, so a caller
// that stops on an error leaves the tables as they were.
//
// With inflection rules on the connection, a word's forms are written and removed with it.
class WordTableWriter
{
public:
    enum class Error
    {
        None,
        Busy,     // another connection holds the database
        ReadOnly, // the file or its folder cannot be written
        Full,     // the disk is full
        NoInodes, // the file system has no room for another file (the journal)
        Changed,  // another program replaced or overwrote the file under the connection
        Refused,  // an empty or over-long word or translation
        Failed,   // any other failure of the database
    };

    // The word of one row, the one statement the writer shares with the reads.
    static QString wordOfRowText(const QString& table);

    struct FoundRow
    {
        bool ok = false;
        std::optional<RowId> row; // empty when no stored word matches
    };

    // How a word's forms reach the forms table.
    enum class Forms
    {
        WithEachWord, // as each word is written: the word windows
        AtCommit,     // gathered, then written in the table's own order when the transaction
                      // commits: many words at once (an import, the database build)
    };

    WordTableWriter(DatabaseConnection& connection, const DictionaryEntry& dictionary,
                    Forms forms = Forms::WithEachWord);
    ~WordTableWriter();
    WordTableWriter(const WordTableWriter&) = delete;
    WordTableWriter& operator=(const WordTableWriter&) = delete;

    // Starts the transaction and takes the write lock at once, so that a busy database
    // shows itself before any work is done.
    bool begin();
    bool isActive() const { return m_active; }

    // The first row, in list order, whose Word equals `word` under the word comparison.
    FoundRow find(QStringView word);
    std::optional<RowId> insert(QStringView word, QStringView translation);
    bool replaceTranslation(RowId row, QStringView translation);
    // Only while the row still holds exactly this word: a row deleted meanwhile may have lent
    // its identity to another word.
    bool updateTranslation(RowId row, QStringView word, QStringView translation);
    // The word's forms go with its last row.
    bool remove(RowId row);
    // The word's inflected forms alone, for a word already stored.
    bool addForms(QStringView word);

    bool commit();
    void rollback();

    // Why the last call that returned false failed.
    Error error() const { return m_error; }

private:
    enum class Statement
    {
        Find,
        WordOfRow,
        Insert,
        ReplaceTranslation,
        UpdateTranslation,
        Remove,
        AddForm,
        RemoveForm,
        GatherForm,
        WriteGatheredForms,
        Count,
    };
    static QString statementText(Statement statement, const DictionaryEntry& dictionary);
    SqliteStatement* prepared(Statement statement);
    // Runs a bound write to its end and resets it.
    bool run(SqliteStatement& statement);
    bool changedOneRow(SqliteStatement& statement);
    bool writeForms(Statement statement, QStringView word);
    bool writeForms(SqliteStatement& statement, QStringView word);
    bool gatherForms(QStringView word);
    bool writeGatheredForms();
    bool refuse();
    bool fail();
    bool checkedBeforeBegin();
    Error errorOf(int code) const;

    DatabaseConnection& m_connection;
    const DictionaryEntry& m_dictionary;
    Forms m_forms;
    bool m_gathering = false; // the gathered forms' table exists in this transaction
    std::optional<DatabaseConnection::WriteWait> m_writing;
    std::array<std::optional<SqliteStatement>, static_cast<std::size_t>(Statement::Count)>
        m_statements;
    int m_generation = 0; // of the connection the statements were prepared on
    bool m_active = false;
    Error m_error = Error::None;
};

} // namespace lexaro
