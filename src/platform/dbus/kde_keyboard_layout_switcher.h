#pragma once

#include "platform/keyboard_layout_switcher.h"

#include <QObject>

namespace lexaro {

// Switches the layout of a KDE Plasma session through its own D-Bus service (org.kde.keyboard):
// on Wayland the compositor owns the keyboard, and no common protocol lets a program switch it.
// A layout the user has not configured changes nothing. Both calls go out without waiting.
class KdeKeyboardLayoutSwitcher final : public QObject, public KeyboardLayoutSwitcher
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Whether the session bus has the service.
    static bool isAvailable();
    void activate(const QString& layoutId) override;
};

// Where the program cannot switch the layout of the session (a Wayland compositor without a
// service for it), it does not pretend to.
class NoKeyboardLayoutSwitcher final : public KeyboardLayoutSwitcher
{
public:
    void activate(const QString&) override {}
};

} // namespace lexaro
