#pragma once

#include <QHash>
#include <QString>

namespace lexaro {

class DatabaseConnection;
struct DictionaryEntry;

// Each dictionary's frequency table: how often readers meet a headword, as its zipf value
// (log10 of occurrences per billion words) times 100. Written once, when the bundled database
// is built; a word the user adds has none. It only orders the headwords a form may belong to,
// so a row left behind by a deleted word does no harm.
QString frequencyTableName(const DictionaryEntry& dictionary);
// Creates the table and fills it in one transaction.
bool writeFrequencyTable(DatabaseConnection& connection, const DictionaryEntry& dictionary,
                         const QHash<QString, int>& zipfPercent);
// Reads a `headword<TAB>zipf` file; a line that does not parse is skipped.
QHash<QString, int> readFrequencyFile(const QString& path);

} // namespace lexaro
