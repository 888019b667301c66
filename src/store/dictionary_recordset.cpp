#include "store/dictionary_recordset.h"

#include "store/database_connection.h"
#include "store/dictionary_catalog.h"

using namespace Qt::StringLiterals;

namespace lexaro {

DictionaryRecordset::DictionaryRecordset(DatabaseConnection& connection,
                                         const DictionaryEntry& dictionary)
    : m_connection(connection), m_table(dictionary.tableName), m_name(dictionary.recordsetName())
{
}

QString DictionaryRecordset::statementText(WordQuery query, const QString& table)
{
    switch (query) {
    case WordQuery::WordList:
        return u"Select * From "_s + table + u" Order by Word"_s;
    case WordQuery::WordLookup:
        return u"Select * From "_s + table + u" Where Word=?1"_s;
    case WordQuery::WordExists:
        return u"Select Word From "_s + table + u" Where Word=?1"_s;
    case WordQuery::WholeTable:
        return u"Select * From "_s + table;
    }
    return {};
}

DictionaryRecordset::Prepared* DictionaryRecordset::prepared(WordQuery query)
{
    auto& slot = m_statements[static_cast<std::size_t>(query)];
    if (!slot || !slot->statement.isValid()) {
        SqliteStatement statement(m_connection.handle(), statementText(query, m_table));
        if (!statement.isValid()) {
            slot.reset();
            return nullptr;
        }
        const int wordColumn = statement.columnIndex("Word");
        const int translationColumn = statement.columnIndex("Translati0n");
        slot = Prepared{std::move(statement), wordColumn, translationColumn};
    }
    return &*slot;
}

bool DictionaryRecordset::open(WordQuery query, QStringView word)
{
    if (isOpen())
        return false;
    Prepared* p = prepared(query);
    if (!p)
        return false;
    const bool takesWord = query == WordQuery::WordLookup || query == WordQuery::WordExists;
    if (takesWord && !p->statement.bindText(1, word)) {
        p->statement.reset();
        return false;
    }
    const SqliteStatement::Step step = p->statement.step();
    if (step == SqliteStatement::Step::Error) {
        p->statement.reset();
        // A schema change invalidates a prepared statement for good; prepare it afresh
        // next time rather than failing forever.
        m_statements[static_cast<std::size_t>(query)].reset();
        return false;
    }
    m_current = p;
    m_hasRow = step == SqliteStatement::Step::Row;
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

} // namespace lexaro
