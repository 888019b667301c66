#pragma once

#include "store/database_connection.h"
#include "store/sqlite_statement.h"
#include "store/word_table_writer.h"

#include <QString>
#include <QStringList>

#include <array>
#include <chrono>
#include <memory>
#include <optional>
#include <vector>

namespace lexaro {

struct DictionaryEntry;

// The statements every read goes through.
enum class WordQuery
{
    WordList,   // every headword, in list order
    WholeList,  // every row with its translation, in list order (an export)
    WordLookup, // the rows of one word
    WordExists, // whether a word is stored
    WordsFrom,  // the headwords from a word on, in list order, a page at a time
    WordOrder,  // the rows of every headword, in list order, without the words
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

    // The rows of every headword in list order, read through the word index without reading a
    // single word: a list of a million headwords costs 8 MB, not a million strings. The last
    // complete reading is shared while anyone holds it, and handed out again as long as the
    // database has not changed since. A failing statement gives the rows read so far.
    std::shared_ptr<const std::vector<RowId>> wordOrder();
    // The same reading in slices, so that the event loop runs in between: reads on for about
    // `budget` from where the last slice stopped and gives the rows once they are all read,
    // nullptr before. A write or a reopening between two slices starts the walk over; while a
    // walk is paused the database stays readable, and writable by this connection.
    std::shared_ptr<const std::vector<RowId>> readWordOrder(std::chrono::milliseconds budget);
    // Abandons a reading in slices (its reader no longer wants it).
    void stopReadingWordOrder();
    // The headword of one row; an empty text for a row that is gone, nullopt when it cannot be
    // read now (another program holds the database).
    std::optional<QString> wordOfRow(RowId row);

    // Look-ups made while it lives share one read of the file: one lock taken and given back,
    // not one for each (the dictionary forms of one word ask the index a dozen times). Does
    // nothing inside a transaction already open.
    class ReadTogether
    {
    public:
        explicit ReadTogether(DictionaryRecordset& recordset);
        ~ReadTogether();
        ReadTogether(const ReadTogether&) = delete;
        ReadTogether& operator=(const ReadTogether&) = delete;

    private:
        DatabaseConnection& m_connection;
        bool m_began = false;
    };

    // The headwords that the forms table gives for an inflected form, at most `limit`;
    // none when the database has no forms table.
    QStringList headwordsOfForm(QStringView form, int limit);
    // How often readers meet the headword, as stored when the database was built (zipf times
    // 100); none for a word the user added or a database without frequencies.
    std::optional<int> zipfPercentOf(QStringView headword);

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
    // The statement in slot, prepared from text() on first use (again after the connection
    // changed); null when it cannot be prepared.
    SqliteStatement* kept(std::optional<SqliteStatement>& slot,
                          QString (*text)(const DictionaryRecordset&));
    // Runs one write as a transaction of its own, committed before it returns.
    template <typename Write> bool inTransaction(Write write);

    DatabaseConnection& m_connection;
    const DictionaryEntry& m_dictionary;
    QString m_table;
    QString m_name;
    std::array<std::optional<Prepared>, 6> m_statements;
    WordTableWriter m_writer;
    std::optional<SqliteStatement> m_wordOfRow;
    std::optional<SqliteStatement> m_formsOf;
    std::optional<SqliteStatement> m_zipfOf;
    bool m_noFrequencies = false; // the file has no frequency table
    struct WordOrderReading
    {
        std::shared_ptr<std::vector<RowId>> rows;
        std::optional<DatabaseConnection::ChangeStamp> stamp;
    };
    std::optional<WordOrderReading> m_reading;
    std::weak_ptr<const std::vector<RowId>> m_wordOrder;
    std::optional<DatabaseConnection::ChangeStamp> m_wordOrderStamp;
    Prepared* m_current = nullptr;
    bool m_hasRow = false;
    bool m_lastOpenBusy = false;
    int m_generation = 0;       // of the prepared statements
    int m_lookupGeneration = 0; // of the last row found
};

} // namespace lexaro
