#pragma once

#include "store/sqlite_statement.h"
#include "store/word_table_writer.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace lexaro {

class DatabaseConnection;
struct DictionaryEntry;

// The statements every read goes through.
enum class WordQuery
{
    WordList,   // every headword, in list order
    WholeList,  // every row with its translation, in list order (an export)
    WordLookup, // the rows of one word
    WordExists, // whether a word is stored
    WordsFrom,  // the headwords from a word on, in list order, a page at a time
};

// A forward cursor over one dictionary's table, and the three writes the word commands make
// (through the table's writer). Statements are prepared once, on first use, and reused; every
// word is bound as a parameter.
//
// A recordset is open only while one command reads through it; opening it again while it is
// open fails and keeps its row. No command holds it open across a window: the edit command
// keeps the row's identity instead, so the pop-up's look-up never finds it open.
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
    // Whether the last open failed because another program holds the database.
    bool lastOpenWasBusy() const { return m_lastOpenBusy; }
    // Before a refresh: a file another program changed under the connection is read afresh.
    void reopenFileIfChanged();
    bool isOpen() const { return m_current != nullptr; }
    // True when there is no current row, and also when the recordset is closed.
    bool atEnd() const { return !m_current || !m_hasRow; }
    // nullopt when there is no current row or the field holds no value.
    std::optional<QString> word() const;
    std::optional<QString> translation() const;
    std::optional<RowId> rowId() const;
    bool moveNext();
    void close();

    // The headwords that the forms table gives for an inflected form, at most `limit`;
    // none when the database has no forms table.
    QStringList headwordsOfForm(QStringView form, int limit);

    // Each write is one transaction, committed before it returns. Translations must not be
    // empty (the table refuses them) nor longer than WordLimits allow. An update or a delete
    // fails when the file was opened afresh since the look-up that found the row. With
    // inflection rules on the connection, an added word's forms are stored with it and a
    // deleted word's forms go with it.
    std::optional<RowId> add(QStringView word, QStringView translation);
    // Both succeed only when the row was there and is now changed or gone. The translation
    // is written only while the row still holds exactly this word: a row deleted meanwhile
    // may have lent its identity to another word.
    bool updateTranslation(RowId row, QStringView word, QStringView translation);
    bool remove(RowId row);

private:
    struct Prepared
    {
        SqliteStatement statement;
        int wordColumn = -1;
        int translationColumn = -1;
        int rowIdColumn = -1;
    };
    Prepared* prepared(WordQuery query);
    // Drops the statements of a connection that has since been opened afresh.
    void followConnection();
    // Runs one write as a transaction of its own, committed before it returns.
    template <typename Write> bool inTransaction(Write write);

    DatabaseConnection& m_connection;
    const DictionaryEntry& m_dictionary;
    QString m_table;
    QString m_name;
    std::array<std::optional<Prepared>, 5> m_statements;
    WordTableWriter m_writer;
    std::optional<SqliteStatement> m_formsOf;
    Prepared* m_current = nullptr;
    bool m_hasRow = false;
    bool m_lastOpenBusy = false;
    int m_generation = 0;       // of the prepared statements
    int m_lookupGeneration = 0; // of the last row found
};

} // namespace lexaro
