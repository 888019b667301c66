#pragma once

#include "platform/threaded_clipboard.h"

#include <memory>

namespace lexaro {

class Clock;
class WaylandSelectionReader;

// The Wayland clipboard of the session, read by a WaylandSelectionReader.
class WaylandClipboard final : public ThreadedClipboard
{
    Q_OBJECT

public:
    // The clock times the other programs' answers.
    explicit WaylandClipboard(const Clock& clock, QObject* parent = nullptr);
    ~WaylandClipboard() override;

    // False without a compositor that offers the data-control protocol.
    bool isWatching() const;
    quint64 announcedChanges() const override;

private:
    std::unique_ptr<WaylandSelectionReader> m_reader; // its thread ends before the rest
};

} // namespace lexaro
