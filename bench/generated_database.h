#pragma once

#include "store/dictionary_catalog.h"

#include <QString>

namespace lexaro {
class WordInflections;
}

namespace lexaro::bench {

// The n-th generated headword: distinct, lower case, 5 to 8 letters, in no sorted order.
QString generatedWord(int n);

// Writes `rows` generated words with short Persian translations into one table of a new
// database at `path`, each with its inflected forms when rules are given. Returns false if the
// database could not be written.
bool buildGeneratedDatabase(const QString& path, DictionaryId table, int rows,
                            const WordInflections* inflections = nullptr);

} // namespace lexaro::bench
