#include "generated_database.h"

#include "store/database_connection.h"
#include "store/word_table_writer.h"

#include <QFile>

namespace lexaro::bench {

QString generatedWord(int n)
{
    // A bijective scramble of n, written in base 26 with a fixed-length tail, so that
    // distinct n give distinct words.
    std::uint32_t x = std::uint32_t(n) * 2654435761u;
    QString word;
    word.append(QChar(u'a' + int(x % 26)));
    x /= 26;
    word.append(QChar(u'a' + int(x % 26)));
    for (int v = n;; v /= 26) {
        word.append(QChar(u'a' + v % 26));
        if (v < 26)
            break;
    }
    return word;
}

bool buildGeneratedDatabase(const QString& path, DictionaryId table, int rows,
                            const WordInflections* inflections)
{
    QFile::remove(path);
    auto db = DatabaseConnection::createNew(path);
    if (!db)
        return false;
    db->setInflections(inflections);
    WordTableWriter writer(*db, DictionaryCatalog::entry(table));
    if (!writer.begin())
        return false;
    const QString translation =
        QStringLiteral("\u0648\u0627\u0698\u0647\u060C \u06A9\u0644\u0645\u0647");
    for (int i = 0; i < rows; ++i) {
        if (!writer.insert(generatedWord(i), translation))
            return false;
    }
    return writer.commit();
}

} // namespace lexaro::bench
