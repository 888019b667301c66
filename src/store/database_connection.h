#pragma once

#include <QString>

#include "store/dictionary_catalog.h"

#include <memory>
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
    bool execute(const QString& sql);
    // False once the file the connection opened is gone from its path, another file has
    // taken its place (writing then would store words nobody will ever read again), or the
    // user has made it read-only.
    bool isWritableInPlace() const;

    // The rules whose forms every write of a headword stores in the forms table; none keeps
    // the forms table as it is.
    void setInflections(const WordInflections* inflections) { m_inflections = inflections; }
    const WordInflections* inflections() const { return m_inflections; }
    // The dictionaries whose forms table this opening added to a database made before them:
    // their words' forms are still to be written.
    const std::vector<DictionaryId>& formsTablesAdded() const { return m_formsTablesAdded; }

private:
    DatabaseConnection(sqlite3* db, QString path);
    bool hasAllTables();

    sqlite3* m_db = nullptr;
    QString m_path;
    // The file's identity when it was opened.
    quint64 m_device = 0;
    quint64 m_inode = 0;
    const WordInflections* m_inflections = nullptr;
    std::vector<DictionaryId> m_formsTablesAdded;
};

} // namespace lexaro
