#pragma once

#include "platform/clipboard.h"

#include <memory>
#include <mutex>

namespace lexaro {

class X11SelectionReader;

// The X11 CLIPBOARD selection, read in the background by an X11SelectionReader. The texts
// arrive here as events of the user-interface thread; text() answers at once with the
// latest one. When texts arrive faster than the program handles them, only the newest
// counts.
class X11Clipboard final : public Clipboard
{
    Q_OBJECT

public:
    explicit X11Clipboard(QObject* parent = nullptr);
    ~X11Clipboard() override;

    // False without an X server with XFixes: the clipboard then never holds text.
    bool isWatching() const;

    QString text() const override { return m_text; }
    quint64 announcedChanges() const override;
    quint64 textChange() const override { return m_textChange; }

Q_SIGNALS:
    // From the reader's thread: a text is waiting to be taken.
    void textArrived(QPrivateSignal);

private:
    void takeArrival();

    QString m_text;
    quint64 m_textChange = 0;

    // Handed over from the reader's thread.
    std::mutex m_mutex;
    QString m_arrivedText;
    quint64 m_arrivedChange = 0;
    bool m_arrivalPosted = false;

    std::unique_ptr<X11SelectionReader> m_reader; // last: its thread ends before the rest
};

} // namespace lexaro
