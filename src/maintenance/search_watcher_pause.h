#pragma once

namespace lexaro {

// The clipboard's search-box watcher as the edit command holds it: paused while the edit
// window is open, so that what the user copies there is not looked up.
class SearchWatcherPause
{
public:
    virtual ~SearchWatcherPause() = default;
    virtual void setSearchWatcherPaused(bool paused) = 0;
    // What the clipboard holds now counts as seen: it is not looked up when the watcher
    // resumes.
    virtual void markClipboardSeen() = 0;
};

} // namespace lexaro
