#include "store/dictionary_recordset.h"

#include "store/database_connection.h"
#include "store/dictionary_catalog.h"
#include "store/word_forms_table.h"
#include "store/word_inflections.h"
#include "store/word_limits.h"

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
      m_name(dictionary.recordsetName())
{
}

void DictionaryRecordset::followConnection()
{
    if (m_generation == m_connection.generation())
        return;
    for (auto& slot : m_statements)
        slot.reset();
    for (auto& slot : m_writes)
        slot.reset();
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

SqliteStatement* DictionaryRecordset::prepared(Write write)
{
    followConnection();
    auto& slot = m_writes[static_cast<std::size_t>(write)];
    if (!slot || !slot->isValid()) {
        QString sql;
        switch (write) {
        case Write::Add:
            sql = u"Insert Into "_s + m_table + u" (Word, Translati0n) Values (?1, ?2)"_s;
            break;
        case Write::UpdateTranslation:
            sql = u"Update "_s + m_table +
                  u" Set Translati0n=?2 Where rowid=?1 And Word=?3 Collate Binary"_s;
            break;
        case Write::Remove:
            sql = u"Delete From "_s + m_table + u" Where rowid=?1"_s;
            break;
        case Write::AddForm:
            sql = u"Insert Or Ignore Into "_s + formsTableName(m_dictionary) +
                  u" (Form, Word) Values (?1, ?2)"_s;
            break;
        case Write::RemoveForm:
            sql =
                u"Delete From "_s + formsTableName(m_dictionary) + u" Where Form=?1 And Word=?2"_s;
            break;
        case Write::WordOfRow:
            sql = u"Select Word From "_s + m_table + u" Where rowid=?1"_s;
            break;
        }
        slot.emplace(m_connection.handle(), sql);
        if (!slot->isValid()) {
            slot.reset();
            return nullptr;
        }
    }
    return &*slot;
}

bool DictionaryRecordset::runWrite(SqliteStatement& statement)
{
    // Outside any explicit transaction SQLite commits the statement on its own, durably,
    // before step() returns. A file deleted or replaced under the program would take the
    // row into a file no one reads, and a file made read-only is the user's no to writing:
    // both are failures, not successes.
    const DatabaseConnection::WriteWait writing(m_connection);
    if (m_connection.isWaiting() || !m_connection.readyToWrite()) {
        statement.reset();
        return false;
    }
    const bool done = statement.step() == SqliteStatement::Step::Done &&
                      sqlite3_changes(m_connection.handle()) == 1;
    statement.reset();
    m_connection.noteOwnWrite();
    return done;
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
    Prepared* p = prepared(WordQuery::WordOrder);
    SqliteStatement::Step step = SqliteStatement::Step::Error;
    if (p) {
        std::vector<RowId>& rows = *m_reading->rows;
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
    std::shared_ptr<std::vector<RowId>> rows = std::move(m_reading->rows);
    rows->shrink_to_fit();
    if (step == SqliteStatement::Step::Done && m_reading->stamp) {
        m_wordOrder = rows;
        m_wordOrderStamp = m_reading->stamp;
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

std::optional<QString> DictionaryRecordset::wordOfRow(RowId row)
{
    SqliteStatement* statement = prepared(Write::WordOfRow);
    if (!statement || !statement->bindInt64(1, qint64(row))) {
        if (statement)
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

QStringList DictionaryRecordset::headwordsOfForm(QStringView form, int limit)
{
    QStringList words;
    if (!m_formsOf || !m_formsOf->isValid()) {
        m_formsOf.emplace(m_connection.handle(), u"Select Word From "_s +
                                                     formsTableName(m_dictionary) +
                                                     u" Where Form=?1"_s);
        if (!m_formsOf->isValid()) {
            m_formsOf.reset();
            return words;
        }
    }
    if (!m_formsOf->bindText(1, form)) {
        m_formsOf->reset();
        return words;
    }
    while (words.size() < limit && m_formsOf->step() == SqliteStatement::Step::Row) {
        if (std::optional<QString> word = m_formsOf->text(0))
            words.append(std::move(*word));
    }
    m_formsOf->reset();
    return words;
}

bool DictionaryRecordset::writeForms(Write write, QStringView word)
{
    const WordInflections* inflections = m_connection.inflections();
    SqliteStatement* statement = prepared(write);
    // A database whose forms table could not be made keeps its words all the same.
    if (!statement)
        return true;
    for (const QString& form : inflections->formsOf(m_dictionary.id, word.toString())) {
        const bool done = statement->bindText(1, form) && statement->bindText(2, word) &&
                          statement->step() == SqliteStatement::Step::Done;
        statement->reset();
        if (!done)
            return false;
    }
    return true;
}

std::optional<RowId> DictionaryRecordset::add(QStringView word, QStringView translation)
{
    if (!m_connection.inflections())
        return addInTransaction(word, translation);
    // The word and its forms together, or neither; the file checked and the lock waited for
    // as for any write, before the transaction begins.
    const DatabaseConnection::WriteWait writing(m_connection);
    if (m_connection.isWaiting() || !m_connection.readyToWrite() ||
        !m_connection.execute(u"Begin Immediate"_s))
        return std::nullopt;
    std::optional<RowId> row = addInTransaction(word, translation);
    if (row && writeForms(Write::AddForm, word) && m_connection.execute(u"Commit"_s)) {
        m_connection.noteOwnWrite();
        return row;
    }
    m_connection.execute(u"Rollback"_s);
    return std::nullopt;
}

bool DictionaryRecordset::remove(RowId row)
{
    if (!m_connection.inflections())
        return removeInTransaction(row);
    SqliteStatement* wordOfRow = prepared(Write::WordOfRow);
    std::optional<QString> word;
    if (wordOfRow && wordOfRow->bindInt64(1, qint64(row)) &&
        wordOfRow->step() == SqliteStatement::Step::Row)
        word = wordOfRow->text(0);
    if (wordOfRow)
        wordOfRow->reset();
    const DatabaseConnection::WriteWait writing(m_connection);
    if (m_connection.isWaiting() || !m_connection.readyToWrite() ||
        !m_connection.execute(u"Begin Immediate"_s))
        return false;
    bool done = removeInTransaction(row);
    // The forms stay while another row holds the same word.
    if (done && word && open(WordQuery::WordExists, *word)) {
        const bool stillThere = !atEnd();
        close();
        done = stillThere || writeForms(Write::RemoveForm, *word);
    }
    if (done && m_connection.execute(u"Commit"_s)) {
        m_connection.noteOwnWrite();
        return true;
    }
    m_connection.execute(u"Rollback"_s);
    return false;
}

std::optional<RowId> DictionaryRecordset::addInTransaction(QStringView word,
                                                           QStringView translation)
{
    // Databases made before the table refused empty translations are held to the same rule.
    if (translation.isEmpty() || !WordLimits::wordFits(word) ||
        !WordLimits::translationFits(translation))
        return std::nullopt;
    SqliteStatement* insert = prepared(Write::Add);
    if (!insert || !insert->bindText(1, word) || !insert->bindText(2, translation)) {
        if (insert)
            insert->reset();
        return std::nullopt;
    }
    if (!runWrite(*insert))
        return std::nullopt;
    return RowId{sqlite3_last_insert_rowid(m_connection.handle())};
}

bool DictionaryRecordset::updateTranslation(RowId row, QStringView word, QStringView translation)
{
    if (translation.isEmpty() || !WordLimits::translationFits(translation) ||
        m_lookupGeneration != m_connection.generation())
        return false;
    SqliteStatement* update = prepared(Write::UpdateTranslation);
    if (!update || !update->bindInt64(1, qint64(row)) || !update->bindText(2, translation) ||
        !update->bindText(3, word)) {
        if (update)
            update->reset();
        return false;
    }
    return runWrite(*update);
}

bool DictionaryRecordset::removeInTransaction(RowId row)
{
    if (m_lookupGeneration != m_connection.generation())
        return false;
    SqliteStatement* del = prepared(Write::Remove);
    if (!del || !del->bindInt64(1, qint64(row))) {
        if (del)
            del->reset();
        return false;
    }
    return runWrite(*del);
}

} // namespace lexaro
