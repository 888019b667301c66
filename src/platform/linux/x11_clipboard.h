#pragma once

#include "platform/threaded_clipboard.h"

#include <memory>

namespace lexaro {

class Clock;
class X11SelectionReader;

// The X11 CLIPBOARD selection, read in the background by an X11SelectionReader.
class X11Clipboard final : public ThreadedClipboard
{
    Q_OBJECT

public:
    // The clock times the other programs' answers.
    explicit X11Clipboard(const Clock& clock, QObject* parent = nullptr);
    ~X11Clipboard() override;

    // False without an X server with XFixes: the clipboard then never holds text.
    bool isWatching() const;
    quint64 announcedChanges() const override;

private:
    std::unique_ptr<X11SelectionReader> m_reader; // last: its thread ends before the rest
};

} // namespace lexaro
