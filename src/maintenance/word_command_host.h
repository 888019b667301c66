#pragma once

#include "store/dictionary_catalog.h"

#include <QString>

#include <optional>

namespace lexaro {

// What the word commands need of the window they are started from: the search box and the
// current dictionary.
class WordCommandHost
{
public:
    virtual ~WordCommandHost() = default;
    virtual QString searchText() const = 0;
    virtual std::optional<DictionaryId> currentDictionary() const = 0;
    // Empties the search box, and with it the translation shown.
    virtual void clearSearchText() = 0;
};

} // namespace lexaro
