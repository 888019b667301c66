#pragma once

#include "platform/keyboard_layout_switcher.h"

#include <QByteArray>
#include <QList>

#include <optional>

struct _XDisplay;

namespace lexaro {

// Locks the XKB group whose layout matches the requested one. The configured layouts
// are read from the root window's _XKB_RULES_NAMES property, as setxkbmap leaves it.
class X11KeyboardLayoutSwitcher final : public KeyboardLayoutSwitcher
{
public:
    X11KeyboardLayoutSwitcher();
    ~X11KeyboardLayoutSwitcher() override;
    X11KeyboardLayoutSwitcher(const X11KeyboardLayoutSwitcher&) = delete;
    X11KeyboardLayoutSwitcher& operator=(const X11KeyboardLayoutSwitcher&) = delete;

    void activate(const QString& layoutId) override;

    // The XKB layout name for an identifier: "ir" for Persian, "us" for US English.
    static QByteArray xkbLayoutFor(const QString& layoutId);
    // Index of the group holding the layout in a "layouts" / "variants" pair such as
    // "us,ir" / ",". A plain layout is preferred to one of its variants.
    static std::optional<int> groupOf(const QByteArray& layout, const QByteArray& layouts,
                                      const QByteArray& variants);

private:
    _XDisplay* m_display = nullptr;
};

} // namespace lexaro
