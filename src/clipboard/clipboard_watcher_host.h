#pragma once

#include "store/dictionary_catalog.h"

#include <QString>

#include <optional>

namespace lexaro {

// What the clipboard watchers need of the main window.
class ClipboardWatcherHost
{
public:
    virtual ~ClipboardWatcherHost() = default;
    // Writes the search box, which looks the text up.
    virtual void writeSearchText(const QString& text) = 0;
    // The dictionary the main window's caption names; none when it names none.
    virtual std::optional<DictionaryId> currentDictionary() const = 0;
    virtual bool isMinimised() const = 0;
    // Out of sight and out of the taskbar, until the notification-area menu opens it.
    virtual void hideWindow() = 0;
};

} // namespace lexaro
