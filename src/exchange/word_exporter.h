#pragma once

#include <QString>

#include <cstdint>

class QIODevice;

namespace lexaro {

class DictionaryRecordset;

struct ExportResult
{
    bool ok = false;
    std::int64_t rows = 0;
    std::int64_t leftOut = 0; // rows without a headword or translation, which no import takes
};

// Writes the dictionary's rows in list order as the project's TSV, one row a line, so that
// importing the file into an empty table gives the same rows.
ExportResult exportWords(DictionaryRecordset& recordset, QIODevice& out);

} // namespace lexaro
