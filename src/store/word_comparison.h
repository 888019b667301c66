#pragma once

#include <QString>

#include <string_view>

namespace lexaro {

// How headwords compare, for look-up, the duplicate check and the word list order.
// Case-insensitive in every script (simple Unicode case folding) with Latin accents
// kept significant; the Arabic-script variants of yeh and kaf unified with their
// Persian forms; Arabic vowel marks, tatweel and the invisible direction controls ignored.
namespace WordComparison {

// Name under which the comparison is registered with SQLite.
inline constexpr const char* CollationName = "WORDFOLD";

// Goes up whenever the comparison changes; a database records the one its indexes were
// built with, so that an older one is put in the new order before it is used.
inline constexpr int Version = 2;

// The comparison registered with SQLite: 0 means "the same word" to a reader. The word
// index adds the binary order as a second key, so words equal here still list in a
// stable order.
int compare(std::string_view utf8A, std::string_view utf8B);

// The folded form of a word, mainly for tests and word-list checks.
QString folded(QStringView word);

bool sameWord(QStringView a, QStringView b);

} // namespace WordComparison
} // namespace lexaro
