#include "platform/wayland/wayland_clipboard.h"

#include "platform/wayland/wayland_selection_reader.h"

namespace lexaro {

WaylandClipboard::WaylandClipboard(const Clock& clock, QObject* parent)
    : ThreadedClipboard(parent),
      m_reader(std::make_unique<WaylandSelectionReader>(
          clock, [this](quint64 change, const QString& text) { deliver(change, text); }))
{
}

WaylandClipboard::~WaylandClipboard()
{
    m_reader.reset();
}

bool WaylandClipboard::isWatching() const
{
    return m_reader->isWatching();
}

quint64 WaylandClipboard::announcedChanges() const
{
    return m_reader->announcedChanges();
}

} // namespace lexaro
