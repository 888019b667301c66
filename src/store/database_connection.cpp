#include "store/database_connection.h"

#include "store/dictionary_catalog.h"
#include "store/sqlite_statement.h"
#include "store/word_comparison.h"
#include "store/word_forms_table.h"

#include <QFileInfo>
#include <QLoggingCategory>

#include <sqlite3.h>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace lexaro {

Q_LOGGING_CATEGORY(lcStore, "lexaro.store", QtWarningMsg)

namespace {

int collate(void*, int lengthA, const void* a, int lengthB, const void* b)
{
    return WordComparison::compare({static_cast<const char*>(a), std::size_t(lengthA)},
                                   {static_cast<const char*>(b), std::size_t(lengthB)});
}

bool registerComparison(sqlite3* db)
{
    return sqlite3_create_collation_v2(db, WordComparison::CollationName, SQLITE_UTF8, nullptr,
                                       &collate, nullptr) == SQLITE_OK;
}

sqlite3* openHandle(const QString& path, int flags)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_extended_result_codes(db, 1);
    if (!registerComparison(db)) {
        sqlite3_close(db);
        return nullptr;
    }
    return db;
}

// The first 100 bytes as SQLite's own file handle reads them: opening and closing a second
// descriptor on the file would drop the locks SQLite holds on it.
QByteArray headerOf(sqlite3* db)
{
    sqlite3_file* file = nullptr;
    const int result =
        sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, static_cast<void*>(&file));
    if (result != SQLITE_OK || !file || !file->pMethods)
        return {};
    QByteArray header(100, Qt::Uninitialized);
    const int code = file->pMethods->xRead(file, header.data(), int(header.size()), 0);
    return code == SQLITE_OK || code == SQLITE_IOERR_SHORT_READ ? header : QByteArray();
}

// The file change counter of the header, which every SQLite writer moves on.
QByteArrayView changeCounter(const QByteArray& header)
{
    return header.size() >= 28 ? QByteArrayView(header).sliced(24, 4) : QByteArrayView();
}

} // namespace

DatabaseConnection::DatabaseConnection(sqlite3* db, QString path) : m_path(std::move(path))
{
    adopt(db);
}

void DatabaseConnection::adopt(sqlite3* db)
{
    m_db = db;
    sqlite3_busy_handler(m_db, &DatabaseConnection::onBusy, this);
}

int DatabaseConnection::onBusy(void* self, int attempt)
{
    return static_cast<DatabaseConnection*>(self)->keepWaiting(attempt) ? 1 : 0;
}

bool DatabaseConnection::keepWaiting(int attempt)
{
    using std::chrono::milliseconds;
    const Clock::TimePoint now = m_clock->now();
    if (attempt == 0)
        m_waitingSince = now;
    milliseconds limit(m_writing ? m_waits.writeMs : m_waits.readMs);
    // A look-up that just gave up says the lock is still there: the next one does not wait.
    if (!m_writing && m_readGaveUpAt && now - *m_readGaveUpAt < milliseconds(1000))
        limit = milliseconds(0);
    if (now - m_waitingSince >= limit) {
        if (!m_writing)
            m_readGaveUpAt = now;
        return false;
    }
    m_clock->sleepFor(std::min(milliseconds(5), limit));
    if (m_writing && m_whileWaiting && !m_inCallback) {
        m_inCallback = true;
        m_whileWaiting();
        m_inCallback = false;
    }
    return true;
}

std::optional<DatabaseConnection::FileState> DatabaseConnection::fileState(const QString& path)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    FileState state;
    state.device = info.st_dev;
    state.inode = info.st_ino;
    state.size = info.st_size;
    state.modifiedNs = qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    return state;
}

void DatabaseConnection::noteOwnWrite()
{
    m_known = fileState(m_path);
    if (m_known)
        m_known->header = headerOf(m_db);
}

bool DatabaseConnection::readyToWrite()
{
    std::optional<FileState> now = fileState(m_path);
    if (!now || ::access(QFile::encodeName(m_path).constData(), W_OK) != 0)
        return false;
    now->header = headerOf(m_db);
    if (m_known && *now == *m_known)
        return true;
    // Another program wrote through SQLite: the change counter moved, and SQLite drops its
    // cached pages by itself.
    if (m_known && now->inode == m_known->inode && now->device == m_known->device &&
        changeCounter(now->header) != changeCounter(m_known->header))
        return true;
    qCDebug(lcStore) << "the database file changed under the program; opening it afresh";
    reopen();
    return false;
}

std::optional<DatabaseConnection::ChangeStamp> DatabaseConnection::changeStamp() const
{
    SqliteStatement versions(m_db, QStringLiteral("Select data_version, schema_version From "
                                                  "pragma_data_version, pragma_schema_version"));
    if (versions.step() != SqliteStatement::Step::Row)
        return std::nullopt;
    const std::optional<qint64> otherCommits = versions.int64(0);
    const std::optional<qint64> schema = versions.int64(1);
    if (!otherCommits || !schema)
        return std::nullopt;
    return ChangeStamp{m_generation, sqlite3_total_changes64(m_db), *otherCommits, *schema};
}

void DatabaseConnection::reopenIfChanged()
{
    std::optional<FileState> now = fileState(m_path);
    if (!now)
        return;
    now->header = headerOf(m_db);
    if (!m_known || *now != *m_known)
        reopen();
}

bool DatabaseConnection::reopen()
{
    sqlite3* fresh = openHandle(m_path, SQLITE_OPEN_READWRITE);
    if (!fresh)
        return false;
    sqlite3* old = m_db;
    adopt(fresh);
    if (!configure() || !hasAllTables()) {
        adopt(old);
        sqlite3_close_v2(fresh);
        return false;
    }
    // Statements of the old handle keep it alive until their owners drop them.
    sqlite3_close_v2(old);
    ++m_generation;
    noteOwnWrite();
    return true;
}

bool DatabaseConnection::configure()
{
    // SQLite reads the header lazily; the schema query is where a file that is not a
    // database shows itself.
    SqliteStatement probe(m_db, QStringLiteral("Select count(*) From sqlite_master"));
    if (probe.step() != SqliteStatement::Step::Row) {
        qCDebug(lcStore) << "not a database:" << sqlite3_errmsg(m_db);
        return false;
    }
    probe.reset();
    // Every keystroke is a look-up: keep the pages of a large word list cached instead of
    // asking the kernel each time. No memory mapping: a file cut short by another program
    // would then end the process with SIGBUS instead of failing one read.
    execute(u"Pragma cache_size = -65536"_s);
    // A reported success is on the disk: the rollback journal (no other file is left beside
    // the database) and a full sync at every commit.
    execute(u"Pragma journal_mode = DELETE"_s);
    execute(u"Pragma synchronous = FULL"_s);
    return true;
}

QString DatabaseConnection::folder() const
{
    return QFileInfo(m_path).absolutePath();
}

DatabaseConnection::~DatabaseConnection()
{
    sqlite3_close_v2(m_db);
}

DatabaseConnection::OpenResult DatabaseConnection::open(const QString& path)
{
    // A symbolic link to a database is followed (users keep the file in a synced folder
    // and link it here); a dangling one is a missing file.
    if (!QFileInfo(path).isFile())
        return {nullptr, DatabaseOpenError::FileMissing};

    sqlite3* db = openHandle(path, SQLITE_OPEN_READWRITE);
    if (!db)
        return {nullptr, DatabaseOpenError::NotADatabase};

    std::unique_ptr<DatabaseConnection> connection(new DatabaseConnection(db, path));
    const WriteWait opening(*connection);
    if (!connection->configure()) {
        const bool busy = (sqlite3_errcode(db) & 0xff) == SQLITE_BUSY;
        return {nullptr, busy ? DatabaseOpenError::Busy : DatabaseOpenError::NotADatabase};
    }
    if (!connection->hasAllTables())
        return {nullptr, DatabaseOpenError::TablesMissing};
    connection->orderIndexesByTodaysComparison();
    // A database made before the forms tables gets them empty; on a read-only file it goes
    // without, and the look-up finds no forms there.
    for (const DictionaryEntry& e : DictionaryCatalog::entries()) {
        const bool had =
            SqliteStatement(db, u"Select Form, Word From "_s + formsTableName(e)).isValid();
        if (!had && createFormsTable(*connection, e))
            connection->m_formsTablesAdded.push_back(e.id);
    }
    connection->noteOwnWrite();
    return {std::move(connection), DatabaseOpenError::None};
}

std::unique_ptr<DatabaseConnection> DatabaseConnection::createNew(const QString& path)
{
    sqlite3* db = openHandle(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!db)
        return nullptr;
    std::unique_ptr<DatabaseConnection> connection(new DatabaseConnection(db, path));
    connection->noteOwnWrite();
    for (const DictionaryEntry& e : DictionaryCatalog::entries()) {
        const QString create = u"Create Table "_s + e.tableName + u" (Word Text Collate "_s +
                               QLatin1StringView(WordComparison::CollationName) +
                               u", Translati0n Text Check (Translati0n <> ''))"_s;
        // The second key gives words that compare equal a stable, binary order.
        const QString index = u"Create Index "_s + e.tableName + u"_Word On "_s + e.tableName +
                              u" (Word, Word Collate Binary)"_s;
        if (!connection->execute(create) || !connection->execute(index) ||
            !createFormsTable(*connection, e))
            return nullptr;
    }
    if (!connection->recordComparisonVersion())
        return nullptr;
    return connection;
}

bool DatabaseConnection::recordComparisonVersion()
{
    return execute(u"Pragma user_version = "_s + QString::number(WordComparison::Version));
}

void DatabaseConnection::orderIndexesByTodaysComparison()
{
    SqliteStatement version(m_db, u"Pragma user_version"_s);
    if (version.step() != SqliteStatement::Step::Row ||
        version.int64(0).value_or(0) >= WordComparison::Version)
        return;
    version.reset();
    // An index in another order than the comparison's would hide words from the look-up.
    // A read-only or busy file keeps its order and is tried again at the next start.
    if (execute(u"Begin Immediate"_s)) {
        if (execute(u"Reindex "_s + QLatin1StringView(WordComparison::CollationName)) &&
            recordComparisonVersion())
            execute(u"Commit"_s);
        else
            execute(u"Rollback"_s);
    }
}

bool DatabaseConnection::execute(const QString& sql)
{
    SqliteStatement statement(m_db, sql);
    SqliteStatement::Step step = statement.step();
    while (step == SqliteStatement::Step::Row)
        step = statement.step();
    if (step == SqliteStatement::Step::Error)
        qCDebug(lcStore) << "statement failed:" << sqlite3_errmsg(m_db);
    return step == SqliteStatement::Step::Done;
}

bool DatabaseConnection::hasAllTables()
{
    // Preparing a statement that names both columns proves the table and its columns.
    for (const DictionaryEntry& e : DictionaryCatalog::entries()) {
        if (!SqliteStatement(m_db, u"Select Word, Translati0n From "_s + e.tableName).isValid())
            return false;
    }
    return true;
}

} // namespace lexaro
