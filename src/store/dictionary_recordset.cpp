#include "store/dictionary_recordset.h"

#include "store/database_connection.h"
#include "store/dictionary_catalog.h"
#include "store/headword_frequency_table.h"
#include "store/word_forms_table.h"

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace lexaro {

QString DictionaryRecordset::statementText(WordQuery query, const QString& table)
{
    switch (query) {
    case WordQuery::WordList:
        // The word index holds the headword and the row: the list never touches the table.
        return u"Select rowid, Word From "_s + table + u" Order by Word"_s;
    case WordQuery::WholeList:
        return u"Select rowid, Word, Translati0n From "_s + table + u" Order by Word"_s;
    case WordQuery::WordLookup:
        return u"Select rowid, Word, Translati0n From "_s + table + u" Where Word=?1"_s;
    case WordQuery::WordExists:
        return u"Select rowid, Word From "_s + table + u" Where Word=?1"_s;
    case WordQuery::WordsFrom:
        // A range on the word index: the suggestions never scan the table.
        return u"Select rowid, Word From "_s + table + u" Where Word>=?1 Order by Word Limit 64"_s;
    case WordQuery::WordOrder:
        // Every text sorts from the empty one on, a missing word does not: a walk of the word
        // index that reads no word at all.
        return u"Select rowid From "_s + table + u" Where Word>='' Order by Word"_s;
    }
    return {};
}

DictionaryRecordset::DictionaryRecordset(DatabaseConnection& connection,
                                         const DictionaryEntry& dictionary)
    : m_connection(connection), m_dictionary(dictionary), m_table(dictionary.tableName),
      m_name(dictionary.recordsetName()), m_writer(connection, dictionary)
{
}

void DictionaryRecordset::followConnection()
{
    if (m_generation == m_connection.generation())
        return;
    for (auto& slot : m_statements)
        slot.reset();
    m_formsOf.reset();
    m_zipfOf.reset();
    m_noFrequencies = false;
    m_wordOfRow.reset();
    m_generation = m_connection.generation();
}

void DictionaryRecordset::reopenFileIfChanged()
{
    if (!isOpen())
        m_connection.reopenIfChanged();
}

DictionaryRecordset::Prepared* DictionaryRecordset::prepared(WordQuery query)
{
    followConnection();
    auto& slot = m_statements[static_cast<std::size_t>(query)];
    if (!slot || !slot->statement.isValid()) {
        SqliteStatement statement(m_connection.handle(), statementText(query, m_table));
        if (!statement.isValid()) {
            slot.reset();
            return nullptr;
        }
        const int wordColumn = statement.columnIndex("Word");
        const int translationColumn = statement.columnIndex("Translati0n");
        const int rowIdColumn = statement.columnIndex("rowid");
        slot = Prepared{std::move(statement), wordColumn, translationColumn, rowIdColumn};
    }
    return &*slot;
}

bool DictionaryRecordset::open(WordQuery query, QStringView word)
{
    if (isOpen())
        return false;
    // Asked for by a timer while a write waits for a lock: the connection is busy.
    m_lastOpenBusy = m_connection.isWaiting();
    if (m_lastOpenBusy)
        return false;
    Prepared* p = prepared(query);
    if (!p)
        return false;
    const bool takesWord = query != WordQuery::WordList && query != WordQuery::WholeList &&
                           query != WordQuery::WordOrder;
    if (takesWord && !p->statement.bindText(1, word)) {
        p->statement.reset();
        return false;
    }
    const SqliteStatement::Step step = p->statement.step();
    if (step == SqliteStatement::Step::Error) {
        m_lastOpenBusy = p->statement.wasBusy();
        p->statement.reset();
        // A schema change invalidates a prepared statement for good; prepare it afresh
        // next time rather than failing forever.
        m_statements[static_cast<std::size_t>(query)].reset();
        return false;
    }
    m_current = p;
    m_hasRow = step == SqliteStatement::Step::Row;
    m_lookupGeneration = m_generation;
    return true;
}

std::optional<QString> DictionaryRecordset::word() const
{
    if (atEnd())
        return std::nullopt;
    return m_current->statement.text(m_current->wordColumn);
}

std::optional<QString> DictionaryRecordset::translation() const
{
    if (atEnd())
        return std::nullopt;
    return m_current->statement.text(m_current->translationColumn);
}

std::optional<RowId> DictionaryRecordset::rowId() const
{
    if (atEnd())
        return std::nullopt;
    if (const std::optional<qint64> id = m_current->statement.int64(m_current->rowIdColumn))
        return RowId{*id};
    return std::nullopt;
}

bool DictionaryRecordset::moveNext()
{
    if (atEnd())
        return false;
    const SqliteStatement::Step step = m_current->statement.step();
    m_hasRow = step == SqliteStatement::Step::Row;
    return step != SqliteStatement::Step::Error;
}

void DictionaryRecordset::close()
{
    if (m_current)
        m_current->statement.reset();
    m_current = nullptr;
    m_hasRow = false;
}

std::shared_ptr<const std::vector<RowId>> DictionaryRecordset::wordOrder()
{
    std::shared_ptr<const std::vector<RowId>> rows;
    while (!rows)
        rows = readWordOrder(std::chrono::milliseconds::max());
    return rows;
}

std::shared_ptr<const std::vector<RowId>>
DictionaryRecordset::readWordOrder(std::chrono::milliseconds budget)
{
    const auto deadline = budget == std::chrono::milliseconds::max()
                              ? std::chrono::steady_clock::time_point::max()
                              : std::chrono::steady_clock::now() + budget;
    if (m_reading && m_connection.changeStamp() != m_reading->stamp) {
        // Written to or opened afresh since the last slice: the walk starts over.
        stopReadingWordOrder();
    }
    if (!m_reading) {
        reopenFileIfChanged();
        const std::optional<DatabaseConnection::ChangeStamp> stamp = m_connection.changeStamp();
        if (auto shared = m_wordOrder.lock(); shared && stamp && stamp == m_wordOrderStamp)
            return shared;
        m_reading = WordOrderReading{std::make_shared<std::vector<RowId>>(), stamp};
    }
    WordOrderReading& reading = *m_reading;
    Prepared* p = prepared(WordQuery::WordOrder);
    SqliteStatement::Step step = SqliteStatement::Step::Error;
    if (p) {
        std::vector<RowId>& rows = *reading.rows;
        for (std::size_t n = 1;; ++n) {
            step = p->statement.step();
            if (step != SqliteStatement::Step::Row)
                break;
            rows.push_back(RowId{p->statement.int64(0).value_or(0)});
            // The clock is asked now and then: a row costs a tenth of a microsecond.
            if (n % 1024 == 0 && std::chrono::steady_clock::now() >= deadline)
                return nullptr;
        }
        p->statement.reset();
    }
    std::shared_ptr<std::vector<RowId>> rows = std::move(reading.rows);
    rows->shrink_to_fit();
    if (step == SqliteStatement::Step::Done && reading.stamp) {
        m_wordOrder = rows;
        m_wordOrderStamp = reading.stamp;
    }
    m_reading.reset();
    return rows;
}

void DictionaryRecordset::stopReadingWordOrder()
{
    if (!m_reading)
        return;
    // The statement of a connection opened afresh is gone already.
    if (m_generation == m_connection.generation()) {
        if (auto& slot = m_statements[std::size_t(WordQuery::WordOrder)])
            slot->statement.reset();
    }
    m_reading.reset();
}

SqliteStatement* DictionaryRecordset::kept(std::optional<SqliteStatement>& slot,
                                           QString (*text)(const DictionaryRecordset&))
{
    if (!slot || !slot->isValid()) {
        slot.emplace(m_connection.handle(), text(*this));
        if (!slot->isValid()) {
            slot.reset();
            return nullptr;
        }
    }
    return &*slot;
}

std::optional<QString> DictionaryRecordset::wordOfRow(RowId row)
{
    followConnection();
    SqliteStatement* statement = kept(m_wordOfRow, [](const DictionaryRecordset& r) {
        return WordTableWriter::wordOfRowText(r.m_table);
    });
    if (!statement)
        return std::nullopt;
    if (!statement->bindInt64(1, qint64(row))) {
        statement->reset();
        return std::nullopt;
    }
    std::optional<QString> word;
    switch (statement->step()) {
    case SqliteStatement::Step::Row:
        word = statement->text(0).value_or(QString());
        break;
    case SqliteStatement::Step::Done:
        word = QString();
        break;
    case SqliteStatement::Step::Error:
        break;
    }
    statement->reset();
    return word;
}

DictionaryRecordset::ReadTogether::ReadTogether(DictionaryRecordset& recordset)
    : m_connection(recordset.m_connection)
{
    sqlite3* db = m_connection.handle();
    m_began = db && sqlite3_get_autocommit(db) && m_connection.execute(u"Begin"_s);
}

DictionaryRecordset::ReadTogether::~ReadTogether()
{
    sqlite3* db = m_connection.handle();
    if (m_began && db && !sqlite3_get_autocommit(db))
        m_connection.execute(u"Commit"_s);
}

QStringList DictionaryRecordset::headwordsOfForm(QStringView form, int limit)
{
    QStringList words;
    followConnection();
    SqliteStatement* statement = kept(m_formsOf, [](const DictionaryRecordset& r) -> QString {
        return u"Select Word From "_s + formsTableName(r.m_dictionary) + u" Where Form=?1"_s;
    });
    if (!statement)
        return words;
    if (!statement->bindText(1, form)) {
        statement->reset();
        return words;
    }
    while (words.size() < limit && statement->step() == SqliteStatement::Step::Row) {
        if (std::optional<QString> word = statement->text(0))
            words.append(std::move(*word));
    }
    statement->reset();
    return words;
}

std::optional<int> DictionaryRecordset::zipfPercentOf(QStringView headword)
{
    followConnection();
    if (m_noFrequencies)
        return std::nullopt;
    SqliteStatement* statement = kept(m_zipfOf, [](const DictionaryRecordset& r) -> QString {
        return u"Select Zipf From "_s + frequencyTableName(r.m_dictionary) + u" Where Word=?1"_s;
    });
    if (!statement) {
        m_noFrequencies = true;
        return std::nullopt;
    }
    std::optional<qint64> zipf;
    if (statement->bindText(1, headword) && statement->step() == SqliteStatement::Step::Row)
        zipf = statement->int64(0);
    statement->reset();
    return zipf ? std::optional<int>(int(*zipf)) : std::nullopt;
}

template <typename Write> bool DictionaryRecordset::inTransaction(Write write)
{
    if (m_writer.begin() && write() && m_writer.commit())
        return true;
    m_writer.rollback();
    return false;
}

std::optional<RowId> DictionaryRecordset::add(QStringView word, QStringView translation)
{
    std::optional<RowId> row;
    if (!inTransaction([&] { return (row = m_writer.insert(word, translation)).has_value(); }))
        return std::nullopt;
    return row;
}

bool DictionaryRecordset::updateTranslation(RowId row, QStringView word, QStringView translation)
{
    // The row's identity holds only in the file the look-up read.
    if (m_lookupGeneration != m_connection.generation())
        return false;
    return inTransaction([&] { return m_writer.updateTranslation(row, word, translation); });
}

bool DictionaryRecordset::remove(RowId row)
{
    if (m_lookupGeneration != m_connection.generation())
        return false;
    return inTransaction([&] { return m_writer.remove(row); });
}

} // namespace lexaro
