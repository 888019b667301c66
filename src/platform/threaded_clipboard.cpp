#include "platform/threaded_clipboard.h"

namespace lexaro {

ThreadedClipboard::ThreadedClipboard(QObject* parent) : Clipboard(parent)
{
    connect(this, &ThreadedClipboard::textArrived, this, &ThreadedClipboard::takeArrival,
            Qt::QueuedConnection);
}

void ThreadedClipboard::deliver(quint64 change, const QString& text)
{
    const std::lock_guard lock(m_mutex);
    m_arrivedText = text;
    m_arrivedChange = change;
    if (m_arrivalPosted)
        return; // the event already on its way takes this newer text
    m_arrivalPosted = true;
    Q_EMIT textArrived(QPrivateSignal());
}

void ThreadedClipboard::takeArrival()
{
    {
        const std::lock_guard lock(m_mutex);
        m_text = std::move(m_arrivedText);
        m_arrivedText.clear();
        m_textChange = m_arrivedChange;
        m_arrivalPosted = false;
    }
    Q_EMIT changed();
}

} // namespace lexaro
