#pragma once

#include <QString>
#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace lexaro {

class Clock;

// Reads the text of the X11 CLIPBOARD selection whenever its owner changes, on a thread and
// an X connection of its own. Another program's answer can take as long as it likes, or
// never come, and can be megabytes long: only this thread waits for it. The reader never
// owns the selection, so what the user copied stays on the clipboard.
class X11SelectionReader
{
public:
    // The text of one owner change, numbered in the order the X server announced them (the
    // owner at start is change 1). The empty text: the new owner offers no text, or there is
    // none. A change whose owner does not answer in time is never delivered.
    using Delivery = std::function<void(quint64 change, const QString& text)>;

    // Watches the display named by $DISPLAY; deliver is called on the reader's thread. A
    // connection that fails later is made again; the owner found then counts as a new change.
    // The clock times the owners' answers; it is read on the reader's thread.
    X11SelectionReader(const Clock& clock, Delivery deliver);
    ~X11SelectionReader();
    Q_DISABLE_COPY_MOVE(X11SelectionReader)

    // False when there is no X server or it lacks the XFixes extension.
    bool isWatching() const { return m_thread.joinable(); }
    // Owner changes announced so far, including those whose text is still on its way.
    quint64 announcedChanges() const { return m_announced.load(); }

    // How long an owner may keep the reader waiting for its next answer.
    static constexpr int AnswerTimeoutMs = 2000;
    // Anything longer is not taken as a copied word.
    static constexpr qsizetype MaxTextBytes = 64 * 1024 * 1024;
    // Pauses before connecting again, doubled after each failed attempt.
    static constexpr int RetryFirstMs = 100;
    static constexpr int RetryLastMs = 5000;

private:
    class Session;

    void watch();
    // True when the session ended because the reader is asked to stop.
    bool runSession();
    bool waitUnlessStopped(std::chrono::milliseconds pause) const;

    std::atomic<quint64> m_announced{1};
    const Clock& m_clock;
    Delivery m_deliver;
    std::unique_ptr<Session> m_session;
    int m_wakeFd = -1;
    std::thread m_thread;
};

} // namespace lexaro
