#pragma once

#include "exchange/read_result.h"

#include <QString>

namespace lexaro {

enum class WordFileFormat
{
    Tsv,
    StarDict,
    Dictd,
};

// The format a word list's name shows: a .ifo file is StarDict, a .index file dictd, a .dict
// or .dict.dz file whichever of the two stands beside it, anything else the project's TSV.
WordFileFormat wordFileFormat(const QString& path);

ReadResult readWordFile(const QString& path, const Progress& progress = {});

} // namespace lexaro
