#include "store/sqlite_statement.h"

#include <sqlite3.h>

#include <cstring>
#include <utility>

namespace lexaro {

SqliteStatement::SqliteStatement(sqlite3* db, const QString& sql)
{
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v3(db, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT,
                           &m_stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_stmt);
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : m_stmt(std::exchange(other.m_stmt, nullptr)), m_lastCode(other.m_lastCode)
{
}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(m_stmt);
        m_stmt = std::exchange(other.m_stmt, nullptr);
    }
    return *this;
}

bool SqliteStatement::bindText(int index, QStringView text)
{
    if (!m_stmt)
        return false;
    const QByteArray utf8 = text.toUtf8();
    return sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) ==
           SQLITE_OK;
}

bool SqliteStatement::bindInt64(int index, qint64 value)
{
    return m_stmt && sqlite3_bind_int64(m_stmt, index, value) == SQLITE_OK;
}

SqliteStatement::Step SqliteStatement::step()
{
    if (!m_stmt)
        return Step::Error;
    m_lastCode = sqlite3_step(m_stmt) & 0xff;
    switch (m_lastCode) {
    case SQLITE_ROW:
        return Step::Row;
    case SQLITE_DONE:
        return Step::Done;
    default:
        return Step::Error;
    }
}

bool SqliteStatement::wasBusy() const
{
    return m_lastCode == SQLITE_BUSY;
}

void SqliteStatement::reset()
{
    if (m_stmt) {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
}

int SqliteStatement::columnIndex(const char* name) const
{
    if (!m_stmt)
        return -1;
    const int count = sqlite3_column_count(m_stmt);
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(sqlite3_column_name(m_stmt, i), name) == 0)
            return i;
    }
    return -1;
}

std::optional<QString> SqliteStatement::text(int column) const
{
    if (!m_stmt || column < 0 || sqlite3_column_type(m_stmt, column) == SQLITE_NULL)
        return std::nullopt;
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(m_stmt, column));
}

std::optional<qint64> SqliteStatement::int64(int column) const
{
    if (!m_stmt || column < 0 || sqlite3_column_type(m_stmt, column) == SQLITE_NULL)
        return std::nullopt;
    return sqlite3_column_int64(m_stmt, column);
}

} // namespace lexaro
