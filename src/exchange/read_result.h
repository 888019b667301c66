#pragma once

#include "store/word_list_file.h"

#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

namespace lexaro {

// Told how far a long step has come; may be empty.
using Progress = std::function<void(std::int64_t done, std::int64_t total)>;

// What a reader made of a word list: every entry, or where and why it stopped.
struct ReadResult
{
    std::vector<WordEntry> entries;
    QString error;     // "line 12: ...", "entry 5 (\"house\"): ..."; empty when all was read
    QStringList notes; // entries left out on purpose, worth a line to the user

    bool ok() const { return error.isEmpty(); }
    static ReadResult failure(QString why)
    {
        ReadResult r;
        r.error = std::move(why);
        return r;
    }
};

} // namespace lexaro
