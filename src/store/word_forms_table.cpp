#include "store/word_forms_table.h"

#include "store/database_connection.h"
#include "store/dictionary_catalog.h"
#include "store/sqlite_statement.h"
#include "store/word_comparison.h"
#include "store/word_table_writer.h"

using namespace Qt::StringLiterals;

namespace lexaro {

QString formsTableName(const DictionaryEntry& dictionary)
{
    return dictionary.tableName + u"_Forms"_s;
}

bool createFormsTable(DatabaseConnection& connection, const DictionaryEntry& dictionary)
{
    // Without a rowid the table is its own index on the form: no second copy of the words.
    return connection.execute(u"Create Table If Not Exists "_s + formsTableName(dictionary) +
                              u" (Form Text Collate "_s +
                              QLatin1StringView(WordComparison::CollationName) +
                              u" Not Null, Word Text Not Null, Primary Key (Form, Word))"
                              u" Without Rowid"_s);
}

bool fillFormsTable(DatabaseConnection& connection, const DictionaryEntry& dictionary)
{
    QStringList words;
    SqliteStatement list(connection.handle(), u"Select Word From "_s + dictionary.tableName);
    while (list.step() == SqliteStatement::Step::Row) {
        if (std::optional<QString> word = list.text(0))
            words.append(std::move(*word));
    }
    list.reset();
    WordTableWriter writer(connection, dictionary, WordTableWriter::Forms::AtCommit);
    if (!writer.begin())
        return false;
    for (const QString& word : std::as_const(words)) {
        if (!writer.addForms(word))
            return false;
    }
    return writer.commit();
}

} // namespace lexaro
