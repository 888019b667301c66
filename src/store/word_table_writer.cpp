#include "store/word_table_writer.h"

#include "store/database_connection.h"
#include "store/dictionary_catalog.h"
#include "store/word_comparison.h"
#include "store/word_forms_table.h"
#include "store/word_inflections.h"
#include "store/word_limits.h"

#include <QFile>

#include <sqlite3.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace lexaro {

namespace {

// ENOSPC covers both a full disk and a file system out of inodes; only the latter has blocks
// left.
bool outOfInodes(const QString& folder)
{
    struct statvfs info
    {
    };
    return ::statvfs(QFile::encodeName(folder).constData(), &info) == 0 && info.f_files > 0 &&
           info.f_favail == 0 && info.f_bavail > 0;
}

bool translationStorable(QStringView translation)
{
    // Databases made before the table refused empty translations are held to the same rule.
    return !translation.isEmpty() && WordLimits::translationFits(translation);
}

} // namespace

QString WordTableWriter::wordOfRowText(const QString& table)
{
    return u"Select Word From "_s + table + u" Where rowid=?1"_s;
}

QString WordTableWriter::statementText(Statement statement, const DictionaryEntry& dictionary)
{
    const QString& table = dictionary.tableName;
    switch (statement) {
    case Statement::Find:
        return u"Select rowid From "_s + table + u" Where Word=?1"_s;
    case Statement::WordOfRow:
        return wordOfRowText(table);
    case Statement::Insert:
        return u"Insert Into "_s + table + u" (Word, Translati0n) Values (?1, ?2)"_s;
    case Statement::ReplaceTranslation:
        return u"Update "_s + table + u" Set Translati0n=?2 Where rowid=?1"_s;
    case Statement::UpdateTranslation:
        return u"Update "_s + table +
               u" Set Translati0n=?2 Where rowid=?1 And Word=?3 Collate Binary"_s;
    case Statement::Remove:
        return u"Delete From "_s + table + u" Where rowid=?1"_s;
    case Statement::AddForm:
        return u"Insert Or Ignore Into "_s + formsTableName(dictionary) +
               u" (Form, Word) Values (?1, ?2)"_s;
    case Statement::RemoveForm:
        return u"Delete From "_s + formsTableName(dictionary) + u" Where Form=?1 And Word=?2"_s;
    case Statement::GatherForm:
        return u"Insert Into temp.GatheredForms (Form, Word) Values (?1, ?2)"_s;
    case Statement::WriteGatheredForms:
        // In the table's order each row lands on the page the last one did.
        return u"Insert Or Ignore Into "_s + formsTableName(dictionary) +
               u" (Form, Word) Select Form, Word From temp.GatheredForms Order By Form, Word"_s;
    case Statement::Count:
        break;
    }
    return {};
}

WordTableWriter::Error WordTableWriter::errorOf(int code) const
{
    // The system's own error tells a full disk from a read-only file, where SQLite says only
    // that it could not open or write the journal.
    const int system = sqlite3_system_errno(m_connection.handle());
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Error::Busy;
    case SQLITE_FULL:
    case SQLITE_CANTOPEN:
    case SQLITE_IOERR:
    case SQLITE_READONLY:
    case SQLITE_PERM:
        if (system == ENOSPC || (code & 0xff) == SQLITE_FULL)
            return outOfInodes(m_connection.folder()) ? Error::NoInodes : Error::Full;
        if (system == EDQUOT)
            return Error::Full;
        return (code & 0xff) == SQLITE_IOERR ? Error::Failed : Error::ReadOnly;
    default:
        return Error::Failed;
    }
}

WordTableWriter::WordTableWriter(DatabaseConnection& connection, const DictionaryEntry& dictionary,
                                 Forms forms)
    : m_connection(connection), m_dictionary(dictionary), m_forms(forms),
      m_generation(connection.generation())
{
}

WordTableWriter::~WordTableWriter()
{
    rollback();
}

bool WordTableWriter::refuse()
{
    m_error = m_active ? Error::Refused : Error::Failed;
    return false;
}

bool WordTableWriter::fail()
{
    m_error = m_active ? errorOf(sqlite3_errcode(m_connection.handle())) : Error::Failed;
    // Some failures (a full disk, for one) end the transaction by themselves.
    if (m_active && sqlite3_get_autocommit(m_connection.handle()))
        rollback();
    return false;
}

SqliteStatement* WordTableWriter::prepared(Statement statement)
{
    // Statements of a connection opened afresh belong to the file it no longer reads.
    if (m_generation != m_connection.generation()) {
        for (auto& slot : m_statements)
            slot.reset();
        m_generation = m_connection.generation();
    }
    auto& slot = m_statements[static_cast<std::size_t>(statement)];
    if (!slot || !slot->isValid()) {
        slot.emplace(m_connection.handle(), statementText(statement, m_dictionary));
        if (!slot->isValid()) {
            slot.reset();
            return nullptr;
        }
    }
    return &*slot;
}

bool WordTableWriter::checkedBeforeBegin()
{
    // Asked for from the wait of another write (a window's timer runs meanwhile): the
    // connection is in the middle of a statement.
    if (m_connection.isWaiting()) {
        m_error = Error::Busy;
        return false;
    }
    // A file deleted or replaced under the program would take the words into a file no one
    // reads, and a file made read-only is the user's no to writing.
    if (!m_connection.readyToWrite()) {
        m_error = ::access(QFile::encodeName(m_connection.path()).constData(), W_OK) == 0
                      ? Error::Changed
                      : Error::ReadOnly;
        return false;
    }
    return true;
}

bool WordTableWriter::begin()
{
    if (m_active)
        return false;
    m_error = Error::None;
    m_writing.emplace(m_connection);
    if (!checkedBeforeBegin()) {
        m_writing.reset();
        return false;
    }
    const int code =
        sqlite3_exec(m_connection.handle(), "Begin Immediate", nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) {
        m_error = errorOf(code);
        m_writing.reset();
        return false;
    }
    m_active = true;
    return true;
}

bool WordTableWriter::run(SqliteStatement& statement)
{
    const bool done = statement.step() == SqliteStatement::Step::Done;
    if (!done)
        fail();
    statement.reset();
    return done;
}

bool WordTableWriter::changedOneRow(SqliteStatement& statement)
{
    if (!run(statement))
        return false;
    if (sqlite3_changes(m_connection.handle()) == 1)
        return true;
    m_error = Error::Failed;
    return false;
}

WordTableWriter::FoundRow WordTableWriter::find(QStringView word)
{
    SqliteStatement* statement = m_active ? prepared(Statement::Find) : nullptr;
    if (!statement || !statement->bindText(1, word)) {
        if (statement)
            statement->reset();
        fail();
        return {};
    }
    FoundRow found;
    switch (statement->step()) {
    case SqliteStatement::Step::Row:
        found = {true, RowId{statement->int64(0).value_or(0)}};
        break;
    case SqliteStatement::Step::Done:
        found.ok = true;
        break;
    case SqliteStatement::Step::Error:
        fail();
        break;
    }
    statement->reset();
    return found;
}

std::optional<RowId> WordTableWriter::insert(QStringView word, QStringView translation)
{
    if (!m_active || !WordLimits::wordFits(word) || !translationStorable(translation)) {
        refuse();
        return std::nullopt;
    }
    SqliteStatement* statement = prepared(Statement::Insert);
    if (!statement || !statement->bindText(1, word) || !statement->bindText(2, translation)) {
        if (statement)
            statement->reset();
        fail();
        return std::nullopt;
    }
    if (!run(*statement))
        return std::nullopt;
    const RowId row{sqlite3_last_insert_rowid(m_connection.handle())};
    if (!writeForms(Statement::AddForm, word))
        return std::nullopt;
    return row;
}

bool WordTableWriter::replaceTranslation(RowId row, QStringView translation)
{
    if (!m_active || !translationStorable(translation))
        return refuse();
    SqliteStatement* statement = prepared(Statement::ReplaceTranslation);
    if (!statement || !statement->bindInt64(1, qint64(row)) ||
        !statement->bindText(2, translation)) {
        if (statement)
            statement->reset();
        return fail();
    }
    return changedOneRow(*statement);
}

bool WordTableWriter::updateTranslation(RowId row, QStringView word, QStringView translation)
{
    if (!m_active || !translationStorable(translation))
        return refuse();
    SqliteStatement* statement = prepared(Statement::UpdateTranslation);
    if (!statement || !statement->bindInt64(1, qint64(row)) ||
        !statement->bindText(2, translation) || !statement->bindText(3, word)) {
        if (statement)
            statement->reset();
        return fail();
    }
    return changedOneRow(*statement);
}

bool WordTableWriter::remove(RowId row)
{
    SqliteStatement* wordOfRow = m_active ? prepared(Statement::WordOfRow) : nullptr;
    SqliteStatement* statement = m_active ? prepared(Statement::Remove) : nullptr;
    if (!wordOfRow || !statement || !wordOfRow->bindInt64(1, qint64(row)) ||
        !statement->bindInt64(1, qint64(row))) {
        if (wordOfRow)
            wordOfRow->reset();
        if (statement)
            statement->reset();
        return fail();
    }
    const std::optional<QString> word =
        wordOfRow->step() == SqliteStatement::Step::Row ? wordOfRow->text(0) : std::nullopt;
    wordOfRow->reset();
    if (!changedOneRow(*statement))
        return false;
    if (!word)
        return true;
    // The forms stay while another row holds the same word.
    const FoundRow other = find(*word);
    return other.ok && (other.row || writeForms(Statement::RemoveForm, *word));
}

bool WordTableWriter::addForms(QStringView word)
{
    return m_active ? writeForms(Statement::AddForm, word) : fail();
}

bool WordTableWriter::gatherForms(QStringView word)
{
    if (!m_gathering) {
        // A table of the connection's own, gone with the transaction.
        if (!m_connection.execute(u"Create Temp Table If Not Exists GatheredForms (Form Text "
                                  u"Collate "_s +
                                  QLatin1StringView(WordComparison::CollationName) +
                                  u", Word Text)"_s))
            return fail();
        m_gathering = true;
    }
    SqliteStatement* statement = prepared(Statement::GatherForm);
    return statement ? writeForms(*statement, word) : fail();
}

bool WordTableWriter::writeGatheredForms()
{
    if (!m_gathering)
        return true;
    m_gathering = false;
    SqliteStatement* statement = prepared(Statement::WriteGatheredForms);
    // A database whose forms table could not be made keeps its words all the same.
    if (statement && !run(*statement))
        return false;
    return m_connection.execute(u"Drop Table temp.GatheredForms"_s) || fail();
}

bool WordTableWriter::writeForms(Statement which, QStringView word)
{
    if (!m_connection.inflections() || word.isNull())
        return true;
    if (which == Statement::AddForm && m_forms == Forms::AtCommit)
        return gatherForms(word);
    SqliteStatement* statement = prepared(which);
    // A database whose forms table could not be made keeps its words all the same.
    return !statement || writeForms(*statement, word);
}

bool WordTableWriter::writeForms(SqliteStatement& statement, QStringView word)
{
    for (const QString& form :
         m_connection.inflections()->formsOf(m_dictionary.id, word.toString())) {
        if (!statement.bindText(1, form) || !statement.bindText(2, word)) {
            statement.reset();
            return fail();
        }
        if (!run(statement))
            return false;
    }
    return true;
}

bool WordTableWriter::commit()
{
    if (!m_active)
        return fail();
    if (!writeGatheredForms())
        return false;
    const int code = sqlite3_exec(m_connection.handle(), "Commit", nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) {
        // A busy commit leaves the transaction open; the destructor or rollback() ends it.
        m_error = errorOf(code);
        return false;
    }
    m_active = false;
    m_writing.reset();
    m_connection.noteOwnWrite();
    return true;
}

void WordTableWriter::rollback()
{
    if (m_active && !sqlite3_get_autocommit(m_connection.handle()))
        sqlite3_exec(m_connection.handle(), "Rollback", nullptr, nullptr, nullptr);
    m_active = false;
    m_gathering = false;
    m_writing.reset();
}

} // namespace lexaro
