#pragma once

#include "store/dictionary_catalog.h"

#include <QString>

#include <optional>

namespace lexaro {

// What the word commands need of the window they are started from: the search box, the
// current dictionary, and the clipboard watcher's pause.
class WordCommandHost
{
public:
    virtual ~WordCommandHost() = default;
    virtual QString searchText() const = 0;
    virtual std::optional<DictionaryId> currentDictionary() const = 0;
    // Empties the search box, and with it the translation shown.
    virtual void clearSearchText() = 0;
    virtual void setSearchWatcherPaused(bool paused) = 0;
    // What the clipboard holds now counts as seen: it is not looked up when the watchers
    // next look.
    virtual void markClipboardSeen() = 0;
};

} // namespace lexaro
