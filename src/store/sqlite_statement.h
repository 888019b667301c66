#pragma once

#include <QString>

#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace lexaro {

// One prepared SQLite statement, finalised with its owner.
class SqliteStatement
{
public:
    enum class Step
    {
        Row,
        Done,
        Error
    };

    SqliteStatement() = default;
    SqliteStatement(sqlite3* db, const QString& sql);
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool isValid() const { return m_stmt != nullptr; }
    bool bindText(int index, QStringView text);
    bool bindInt64(int index, qint64 value);
    Step step();
    void reset();
    // Whether the last step failed because another connection holds the database.
    bool wasBusy() const;

    int columnIndex(const char* name) const;
    // nullopt for a NULL value or a column that is not there.
    std::optional<QString> text(int column) const;
    std::optional<qint64> int64(int column) const;

private:
    sqlite3_stmt* m_stmt = nullptr;
    int m_lastCode = 0; // primary result code
};

} // namespace lexaro
