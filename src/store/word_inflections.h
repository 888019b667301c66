#pragma once

#include "store/dictionary_catalog.h"

#include <QStringList>

namespace lexaro {

// The inflected forms of a headword by the rules of its language ("city" → cities; "Mann" →
// Männer, Männern). The store keeps them beside the headwords, in each dictionary's forms
// table, and writes them with every word it adds, so that a word is found through its forms
// as soon as it is stored.
class WordInflections
{
public:
    virtual ~WordInflections() = default;
    // Without the headword itself; duplicates allowed.
    virtual QStringList formsOf(DictionaryId id, const QString& headword) const = 0;
};

} // namespace lexaro
