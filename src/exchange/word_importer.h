#pragma once

#include "exchange/read_result.h"
#include "store/word_list_file.h"
#include "store/word_table_writer.h"

#include <cstdint>
#include <vector>

namespace lexaro {

class DatabaseConnection;
struct DictionaryEntry;

enum class DuplicatePolicy
{
    Skip,    // a word the table already holds keeps its translation
    Replace, // its translation is replaced by the imported one
};

struct ImportResult
{
    bool ok = false;
    std::int64_t added = 0;
    std::int64_t replaced = 0;
    std::int64_t skipped = 0;
    QString error; // why nothing was imported
};

// Writes the entries into the dictionary's table in one transaction: all of them or, on any
// failure, none. Words are matched with the store's comparison, against the table and
// against the entries before them.
ImportResult importWords(DatabaseConnection& connection, const DictionaryEntry& dictionary,
                         const std::vector<WordEntry>& entries, DuplicatePolicy policy,
                         const Progress& progress = {});

// The user's words for why the database could not be written.
QString describeWriteError(WordTableWriter::Error error);

} // namespace lexaro
