#include "store/headword_frequency_table.h"

#include "store/database_connection.h"
#include "store/dictionary_catalog.h"
#include "store/sqlite_statement.h"
#include "store/word_comparison.h"

#include <QFile>
#include <QTextStream>

#include <cmath>

using namespace Qt::StringLiterals;

namespace lexaro {

QString frequencyTableName(const DictionaryEntry& dictionary)
{
    return dictionary.tableName + u"_Frequency"_s;
}

bool writeFrequencyTable(DatabaseConnection& connection, const DictionaryEntry& dictionary,
                         const QHash<QString, int>& zipfPercent)
{
    const QString table = frequencyTableName(dictionary);
    if (!connection.execute(u"Create Table If Not Exists "_s + table + u" (Word Text Collate "_s +
                            QLatin1StringView(WordComparison::CollationName) +
                            u" Not Null Primary Key, Zipf Integer Not Null) Without Rowid"_s))
        return false;
    if (!connection.execute(u"Begin"_s))
        return false;
    bool ok = true;
    {
        SqliteStatement insert(connection.handle(),
                               u"Insert Or Ignore Into "_s + table + u" Values (?1, ?2)"_s);
        ok = insert.isValid();
        // In the words' order, so that of two spellings one folds to (US, us) the same one
        // stays in every build.
        QStringList words = zipfPercent.keys();
        words.sort();
        for (auto it = words.cbegin(); ok && it != words.cend(); ++it) {
            ok = insert.bindText(1, *it) && insert.bindInt64(2, zipfPercent.value(*it)) &&
                 insert.step() == SqliteStatement::Step::Done;
            insert.reset();
        }
    }
    return connection.execute(ok ? u"Commit"_s : u"Rollback"_s) && ok;
}

QHash<QString, int> readFrequencyFile(const QString& path)
{
    QHash<QString, int> zipf;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return zipf;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    QString line;
    while (in.readLineInto(&line)) {
        const qsizetype tab = line.indexOf(u'\t');
        bool ok = false;
        const double value = tab > 0 ? QStringView(line).mid(tab + 1).toDouble(&ok) : 0.0;
        if (ok)
            zipf.insert(line.left(tab), int(std::lround(value * 100)));
    }
    return zipf;
}

} // namespace lexaro
