#include "store/database_connection.h"

#include "store/dictionary_catalog.h"
#include "store/sqlite_statement.h"
#include "store/word_comparison.h"
#include "store/word_forms_table.h"

#include <QFileInfo>
#include <QLoggingCategory>

#include <sqlite3.h>
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
    // A database another program holds for a moment gives the error message after a short
    // wait, not at once and never a hang.
    sqlite3_busy_timeout(db, 2000);
    if (!registerComparison(db)) {
        sqlite3_close(db);
        return nullptr;
    }
    return db;
}

} // namespace

namespace {

bool fileIdentity(const QString& path, quint64& device, quint64& inode)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    device = info.st_dev;
    inode = info.st_ino;
    return true;
}

} // namespace

DatabaseConnection::DatabaseConnection(sqlite3* db, QString path)
    : m_db(db), m_path(std::move(path))
{
    fileIdentity(m_path, m_device, m_inode);
}

bool DatabaseConnection::isWritableInPlace() const
{
    quint64 device = 0;
    quint64 inode = 0;
    return fileIdentity(m_path, device, inode) && device == m_device && inode == m_inode &&
           ::access(QFile::encodeName(m_path).constData(), W_OK) == 0;
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
    // SQLite reads the header lazily; the schema query is where a file that is not a
    // database shows itself.
    SqliteStatement probe(db, QStringLiteral("Select count(*) From sqlite_master"));
    if (probe.step() != SqliteStatement::Step::Row) {
        qCDebug(lcStore) << "not a database:" << sqlite3_errmsg(db);
        return {nullptr, DatabaseOpenError::NotADatabase};
    }
    probe.reset();
    if (!connection->hasAllTables())
        return {nullptr, DatabaseOpenError::TablesMissing};
    // Every keystroke is a look-up: keep the pages of a large word list cached instead of
    // asking the kernel each time. No memory mapping: a file cut short by another program
    // would then end the process with SIGBUS instead of failing one read.
    connection->execute(u"Pragma cache_size = -65536"_s);
    // A reported success is on the disk: the rollback journal (no other file is left beside
    // the database) and a full sync at every commit.
    connection->execute(u"Pragma journal_mode = DELETE"_s);
    connection->execute(u"Pragma synchronous = FULL"_s);
    // A database made before the forms tables gets them empty; on a read-only file it goes
    // without, and the look-up finds no forms there.
    for (const DictionaryEntry& e : DictionaryCatalog::entries()) {
        const bool had =
            SqliteStatement(db, u"Select Form, Word From "_s + formsTableName(e)).isValid();
        if (!had && createFormsTable(*connection, e))
            connection->m_formsTablesAdded.push_back(e.id);
    }
    return {std::move(connection), DatabaseOpenError::None};
}

std::unique_ptr<DatabaseConnection> DatabaseConnection::createNew(const QString& path)
{
    sqlite3* db = openHandle(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!db)
        return nullptr;
    std::unique_ptr<DatabaseConnection> connection(new DatabaseConnection(db, path));
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
    return connection;
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
