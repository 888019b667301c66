#include "platform/linux/x11_clipboard.h"

#include "platform/linux/x11_selection_reader.h"

namespace lexaro {

X11Clipboard::X11Clipboard(const Clock& clock, QObject* parent)
    : ThreadedClipboard(parent),
      m_reader(std::make_unique<X11SelectionReader>(
          clock, [this](quint64 change, const QString& text) { deliver(change, text); }))
{
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

} // namespace lexaro
