#pragma once

#include <QString>

namespace lexaro {

class DatabaseConnection;
struct DictionaryEntry;

// Each dictionary's forms table: one row per inflected form of a headword ("houses", "house"),
// found by the form under the word comparison. It holds only what can be made again from the
// headword, so a row left behind does no harm: a form leads to a headword only while the
// headword is stored.
QString formsTableName(const DictionaryEntry& dictionary);
bool createFormsTable(DatabaseConnection& connection, const DictionaryEntry& dictionary);
// Writes the forms of every word of the dictionary with the connection's inflection rules, in
// one transaction: for a forms table added to a database that already held words.
bool fillFormsTable(DatabaseConnection& connection, const DictionaryEntry& dictionary);

} // namespace lexaro
