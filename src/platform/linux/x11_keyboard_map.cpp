#include "platform/linux/x11_keyboard_map.h"

#include <QGuiApplication>

#include <X11/keysym.h>
#include <X11/Xlib.h>

namespace lexaro {

X11KeyboardMap::X11KeyboardMap()
{
    // Only on an X11 desktop: elsewhere the scan codes mean something else.
    if (QGuiApplication::platformName() == QLatin1StringView("xcb"))
        m_display = XOpenDisplay(nullptr);
}

X11KeyboardMap::~X11KeyboardMap()
{
    if (m_display)
        XCloseDisplay(m_display);
}

int X11KeyboardMap::latinKey(quint32 nativeScanCode) const
{
    if (!m_display || nativeScanCode < 8 || nativeScanCode > 255)
        return 0;
    int perKeycode = 0;
    KeySym* syms = XGetKeyboardMapping(m_display, KeyCode(nativeScanCode), 1, &perKeycode);
    if (!syms)
        return 0;
    // The core mapping lists the symbols of every group; the first Latin one names the key.
    int key = 0;
    for (int i = 0; i < perKeycode && key == 0; ++i) {
        const KeySym s = syms[i];
        if (s >= XK_a && s <= XK_z)
            key = Qt::Key_A + int(s - XK_a);
        else if (s >= XK_A && s <= XK_Z)
            key = Qt::Key_A + int(s - XK_A);
        else if (s >= XK_0 && s <= XK_9)
            key = Qt::Key_0 + int(s - XK_0);
    }
    XFree(syms);
    return key;
}

} // namespace lexaro
