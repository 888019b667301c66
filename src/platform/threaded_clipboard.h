#pragma once

#include "platform/clipboard.h"

#include <mutex>

namespace lexaro {

// A clipboard whose texts a reader of its own thread delivers: they arrive here as events of
// the user-interface thread, and text() answers at once with the latest one. When texts
// arrive faster than the program handles them, only the newest counts.
class ThreadedClipboard : public Clipboard
{
    Q_OBJECT

public:
    explicit ThreadedClipboard(QObject* parent = nullptr);

    QString text() const override { return m_text; }
    quint64 textChange() const override { return m_textChange; }

protected:
    // From the reader's thread.
    void deliver(quint64 change, const QString& text);

Q_SIGNALS:
    void textArrived(QPrivateSignal);

private:
    void takeArrival();

    QString m_text;
    quint64 m_textChange = 0;

    std::mutex m_mutex;
    QString m_arrivedText;
    quint64 m_arrivedChange = 0;
    bool m_arrivalPosted = false;
};

} // namespace lexaro
