#pragma once

#include <QByteArray>
#include <QString>

#include "clock/system_clock.h"
#include "store/dictionary_catalog.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;

namespace lexaro {

class WordInflections;

enum class DatabaseOpenError
{
    None,
    FileMissing,
    NotADatabase,
    TablesMissing,
    Busy, // another program holds the database locked
};

// What a busy database may cost. A look-up runs on every keystroke: it waits briefly and
// then gives up, and right after one gave up the next does not wait at all, so typing under
// a lock held by another program stays fluid. A write waits longer: the user asked for it.
struct BusyWaits
{
    int readMs = 50;
    int writeMs = 2000;
};

// The one connection to the word database. Opened read-write on an existing file only;
// the program never creates the file. The word comparison is registered on it so that
// look-ups, duplicate checks and the list order all use the same rules.
class DatabaseConnection
{
public:
    struct OpenResult
    {
        std::unique_ptr<DatabaseConnection> connection;
        DatabaseOpenError error = DatabaseOpenError::None;
    };

    static OpenResult open(const QString& path);
    // For the build tools and tests: makes a new, empty database with the nine tables.
    static std::unique_ptr<DatabaseConnection> createNew(const QString& path);

    ~DatabaseConnection();
    DatabaseConnection(const DatabaseConnection&) = delete;
    DatabaseConnection& operator=(const DatabaseConnection&) = delete;

    sqlite3* handle() const { return m_db; }
    const QString& path() const { return m_path; }
    // The folder that holds the file (and its journal while a write runs).
    QString folder() const;
    bool execute(const QString& sql);

    void setBusyWaits(BusyWaits waits) { m_waits = waits; }
    // The clock the busy waits are counted on; the system clock until another is set.
    void setClock(Clock& clock) { m_clock = &clock; }
    // Called every few milliseconds while a write waits for a lock, so that a window can keep
    // painting and its timers running meanwhile. Reads asked for from there fail at once as
    // busy: the connection is in the middle of a statement.
    void setWhileWaiting(std::function<void()> callback) { m_whileWaiting = std::move(callback); }
    bool isWaiting() const { return m_inCallback; }
    // While one lives, the connection waits as long as a write may for a lock.
    class WriteWait
    {
    public:
        explicit WriteWait(DatabaseConnection& c) : m_c(c), m_before(c.m_writing)
        {
            c.m_writing = true;
        }
        ~WriteWait() { m_c.m_writing = m_before; }
        WriteWait(const WriteWait&) = delete;
        WriteWait& operator=(const WriteWait&) = delete;

    private:
        DatabaseConnection& m_c;
        bool m_before;
    };

    // Before every write. False when the file is gone from its path, made read-only, or is no
    // longer the file the connection read: replaced, or overwritten in place by another
    // program (SQLite's own check misses a copy with the same change counter, and would
    // then write pages that do not fit the file). A changed file is opened afresh, and the
    // write is still refused: what the user saw came from the old one.
    bool readyToWrite();
    // After a committed write: the file as this connection left it.
    void noteOwnWrite();
    // On a refresh: opens the file afresh when another program changed it under the
    // connection's cache.
    void reopenIfChanged();
    // Counts the reopenings: statements and row identities of an earlier generation are void.
    int generation() const { return m_generation; }

    // Moves whenever a table may have changed: a row written through this connection, a commit
    // by another program, a table made or dropped, the file opened afresh. nullopt when it
    // cannot be told.
    struct ChangeStamp
    {
        int generation = 0;
        qint64 ownChanges = 0;
        qint64 otherCommits = 0;
        qint64 schema = 0;
        bool operator==(const ChangeStamp&) const = default;
    };
    std::optional<ChangeStamp> changeStamp() const;

    // The rules whose forms every write of a headword stores in the forms table; none keeps
    // the forms table as it is.
    void setInflections(const WordInflections* inflections) { m_inflections = inflections; }
    const WordInflections* inflections() const { return m_inflections; }
    // The dictionaries whose forms table this opening added to a database made before them:
    // their words' forms are still to be written.
    const std::vector<DictionaryId>& formsTablesAdded() const { return m_formsTablesAdded; }

private:
    struct FileState
    {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = -1;
        qint64 modifiedNs = 0;
        QByteArray header;
        bool operator==(const FileState&) const = default;
    };
    DatabaseConnection(sqlite3* db, QString path);
    void adopt(sqlite3* db);
    bool configure();
    bool hasAllTables();
    bool recordComparisonVersion();
    // Rebuilds the word indexes of a database made with an older comparison.
    void orderIndexesByTodaysComparison();
    bool reopen();
    static std::optional<FileState> fileState(const QString& path);
    static int onBusy(void* self, int attempt);
    bool keepWaiting(int attempt);

    sqlite3* m_db = nullptr;
    QString m_path;
    // The file as the connection last knew it.
    std::optional<FileState> m_known;
    int m_generation = 0;
    BusyWaits m_waits;
    bool m_writing = false;
    bool m_inCallback = false;
    std::function<void()> m_whileWaiting;
    SystemClock m_systemClock;
    Clock* m_clock = &m_systemClock;
    Clock::TimePoint m_waitingSince;
    std::optional<Clock::TimePoint> m_readGaveUpAt;
    const WordInflections* m_inflections = nullptr;
    std::vector<DictionaryId> m_formsTablesAdded;
};

} // namespace lexaro
