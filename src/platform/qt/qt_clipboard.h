#pragma once

#include "platform/clipboard.h"

namespace lexaro {

// The clipboard as Qt reads it. Reading waits for the owning program on the calling thread,
// so this serves desktops where that is instant; on X11 the program uses X11Clipboard.
class QtClipboard final : public Clipboard
{
    Q_OBJECT

public:
    explicit QtClipboard(QObject* parent = nullptr);
    QString text() const override;
    quint64 announcedChanges() const override { return m_changes; }
    quint64 textChange() const override { return m_changes; }

private:
    quint64 m_changes = 1;
};

} // namespace lexaro
