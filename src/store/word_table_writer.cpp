#include "store/word_table_writer.h"

#include "store/database_connection.h"
#include "store/dictionary_catalog.h"
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

} // namespace

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

WordTableWriter::WordTableWriter(DatabaseConnection& connection, const DictionaryEntry& dictionary)
    : m_connection(connection), m_writing(connection), m_dictionary(dictionary),
      m_table(dictionary.tableName)
{
}

WordTableWriter::~WordTableWriter()
{
    rollback();
    sqlite3_finalize(m_find);
    sqlite3_finalize(m_insert);
    sqlite3_finalize(m_replace);
    sqlite3_finalize(m_insertForm);
}

bool WordTableWriter::fail()
{
    m_error = m_active ? errorOf(sqlite3_errcode(m_connection.handle())) : Error::Failed;
    // Some failures (a full disk, for one) end the transaction by themselves.
    if (m_active && sqlite3_get_autocommit(m_connection.handle()))
        m_active = false;
    return false;
}

bool WordTableWriter::prepare(sqlite3_stmt*& statement, const QString& sql)
{
    if (statement)
        return true;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v3(m_connection.handle(), utf8.constData(), int(utf8.size()),
                           SQLITE_PREPARE_PERSISTENT, &statement, nullptr) == SQLITE_OK)
        return true;
    sqlite3_finalize(statement);
    statement = nullptr;
    return false;
}

bool WordTableWriter::begin()
{
    if (m_active)
        return false;
    m_error = Error::None;
    const bool prepared =
        prepare(m_find, u"Select rowid From "_s + m_table + u" Where Word=?1"_s) &&
        prepare(m_insert,
                u"Insert Into "_s + m_table + u" (Word, Translati0n) Values (?1, ?2)"_s) &&
        prepare(m_replace, u"Update "_s + m_table + u" Set Translati0n=?2 Where rowid=?1"_s) &&
        (!m_connection.inflections() ||
         prepare(m_insertForm, u"Insert Or Ignore Into "_s + formsTableName(m_dictionary) +
                                   u" (Form, Word) Values (?1, ?2)"_s));
    if (!prepared)
        return fail();
    if (!m_connection.readyToWrite()) {
        // Statements of a connection opened afresh are void: prepared again next time.
        for (sqlite3_stmt** statement : {&m_find, &m_insert, &m_replace, &m_insertForm}) {
            sqlite3_finalize(*statement);
            *statement = nullptr;
        }
        m_error = ::access(QFile::encodeName(m_connection.path()).constData(), W_OK) == 0
                      ? Error::Changed
                      : Error::ReadOnly;
        return false;
    }
    const int code =
        sqlite3_exec(m_connection.handle(), "Begin Immediate", nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) {
        m_error = errorOf(code);
        return false;
    }
    m_active = true;
    return true;
}

bool WordTableWriter::bind(sqlite3_stmt* statement, int index, QStringView text, QByteArray& buffer)
{
    if (text.isNull())
        return sqlite3_bind_null(statement, index) == SQLITE_OK;
    buffer = text.toUtf8();
    // The buffer outlives the step, so SQLite need not copy the text.
    return sqlite3_bind_text(statement, index, buffer.constData(), int(buffer.size()),
                             SQLITE_STATIC) == SQLITE_OK;
}

bool WordTableWriter::run(sqlite3_stmt* statement)
{
    const int code = sqlite3_step(statement);
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (code == SQLITE_DONE)
        return true;
    m_error = errorOf(code);
    if (sqlite3_get_autocommit(m_connection.handle()))
        m_active = false;
    return false;
}

WordTableWriter::FoundRow WordTableWriter::find(QStringView word)
{
    if (!m_active) {
        fail();
        return {};
    }
    if (!bind(m_find, 1, word, m_first)) {
        sqlite3_clear_bindings(m_find);
        fail();
        return {};
    }
    FoundRow found;
    const int code = sqlite3_step(m_find);
    if (code == SQLITE_ROW) {
        found = {true, sqlite3_column_int64(m_find, 0)};
    } else if (code == SQLITE_DONE) {
        found.ok = true;
    } else {
        m_error = errorOf(code);
    }
    sqlite3_reset(m_find);
    sqlite3_clear_bindings(m_find);
    return found;
}

bool WordTableWriter::insert(QStringView word, QStringView translation)
{
    if (!m_active || !WordLimits::wordFits(word) || !WordLimits::translationFits(translation))
        return fail();
    if (!bind(m_insert, 1, word, m_first) || !bind(m_insert, 2, translation, m_second)) {
        sqlite3_clear_bindings(m_insert);
        return fail();
    }
    return run(m_insert) && addForms(word);
}

bool WordTableWriter::addForms(QStringView word)
{
    if (!m_active)
        return fail();
    const WordInflections* inflections = m_connection.inflections();
    if (!inflections || word.isNull())
        return true;
    for (const QString& form : inflections->formsOf(m_dictionary.id, word.toString())) {
        if (!bind(m_insertForm, 1, form, m_first) || !bind(m_insertForm, 2, word, m_second)) {
            sqlite3_clear_bindings(m_insertForm);
            return fail();
        }
        if (!run(m_insertForm))
            return false;
    }
    return true;
}

bool WordTableWriter::replaceTranslation(RowId row, QStringView translation)
{
    if (!m_active || !WordLimits::translationFits(translation))
        return fail();
    if (sqlite3_bind_int64(m_replace, 1, row) != SQLITE_OK ||
        !bind(m_replace, 2, translation, m_second)) {
        sqlite3_clear_bindings(m_replace);
        return fail();
    }
    return run(m_replace);
}

bool WordTableWriter::commit()
{
    if (!m_active)
        return fail();
    const int code = sqlite3_exec(m_connection.handle(), "Commit", nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) {
        // A busy commit leaves the transaction open; the destructor or rollback() ends it.
        m_error = errorOf(code);
        return false;
    }
    m_active = false;
    m_connection.noteOwnWrite();
    return true;
}

void WordTableWriter::rollback()
{
    if (!m_active)
        return;
    m_active = false;
    if (!sqlite3_get_autocommit(m_connection.handle()))
        sqlite3_exec(m_connection.handle(), "Rollback", nullptr, nullptr, nullptr);
}

} // namespace lexaro
