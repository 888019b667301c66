#pragma once

#include "store/word_limits.h"
#include "store/word_list_file.h"

#include <QStringList>

#include <algorithm>
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

// The note for entries left out because their headword is longer than the store takes,
// naming where the first few stand.
inline QString longHeadwordsNote(const QStringList& places)
{
    using namespace Qt::StringLiterals;
    QString note = u"left out "_s + QString::number(places.size()) +
                   u" entries whose headword is longer than "_s +
                   QString::number(WordLimits::MaxWordLength) + u" characters: "_s +
                   places.first(std::min<qsizetype>(places.size(), 3)).join(u", "_s);
    if (places.size() > 3)
        note += u", ..."_s;
    return note;
}

} // namespace lexaro
