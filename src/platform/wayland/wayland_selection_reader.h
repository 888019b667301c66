#pragma once

#include <QString>
#include <QtGlobal>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace lexaro {

class Clock;

// Reads the text of the Wayland clipboard whenever it changes, on a thread and a Wayland
// connection of its own, through the data-control protocol that compositors offer clipboard
// managers (ext_data_control_v1, or its older name zwlr_data_control_manager_v1): with it the
// program sees every copy of the session whether or not one of its windows has the focus.
// The rules are the X11 reader's: another program's answer may be slow or never come, and
// only this thread waits for it; a newer copy abandons a read under way; at most 64 MiB.
class WaylandSelectionReader
{
public:
    // The text of one clipboard change, numbered in the order the compositor announced them
    // (what the clipboard held at start is change 1). The empty text: the new content offers
    // no text. A change whose owner does not answer in time is never delivered.
    using Delivery = std::function<void(quint64 change, const QString& text)>;

    // Connects to the compositor named by $WAYLAND_DISPLAY; deliver is called on the reader's
    // thread. The clock times the compositor's and the owners' answers, on the reader's thread.
    WaylandSelectionReader(const Clock& clock, Delivery deliver);
    ~WaylandSelectionReader();
    Q_DISABLE_COPY_MOVE(WaylandSelectionReader)

    // False without a Wayland compositor that offers the data-control protocol.
    bool isWatching() const { return m_thread.joinable(); }
    quint64 announcedChanges() const { return m_announced.load(); }

    static constexpr int AnswerTimeoutMs = 2000;
    static constexpr qsizetype MaxTextBytes = 64 * 1024 * 1024;
    // How long the compositor may take to say whether it offers the protocol.
    static constexpr int ConnectTimeoutMs = 1000;

private:
    class Session;

    std::atomic<quint64> m_announced{1};
    int m_wakeFd = -1;
    std::thread m_thread;
};

} // namespace lexaro
