#include "platform/linux/x11_clipboard.h"

#include "platform/linux/x11_selection_reader.h"

namespace lexaro {

X11Clipboard::X11Clipboard(QObject* parent) : Clipboard(parent)
{
    connect(this, &X11Clipboard::textArrived, this, &X11Clipboard::takeArrival,
            Qt::QueuedConnection);
    m_reader = std::make_unique<X11SelectionReader>([this](quint64 change, const QString& text) {
        const std::lock_guard lock(m_mutex);
        m_arrivedText = text;
        m_arrivedChange = change;
        if (m_arrivalPosted)
            return; // the event already on its way takes this newer text
        m_arrivalPosted = true;
        Q_EMIT textArrived(QPrivateSignal());
    });
}

X11Clipboard::~X11Clipboard()
{
    m_reader.reset();
}

bool X11Clipboard::isWatching() const
{
    return m_reader->isWatching();
}

quint64 X11Clipboard::announcedChanges() const
{
    return m_reader->announcedChanges();
}

void X11Clipboard::takeArrival()
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
