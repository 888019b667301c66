#pragma once

#include "platform/keyboard_map.h"

struct _XDisplay;

namespace lexaro {

// Reads the server's present key mapping for the key, so a layout switched with setxkbmap
// while the program runs is seen at once.
class X11KeyboardMap final : public KeyboardMap
{
public:
    X11KeyboardMap();
    ~X11KeyboardMap() override;
    X11KeyboardMap(const X11KeyboardMap&) = delete;
    X11KeyboardMap& operator=(const X11KeyboardMap&) = delete;

    int latinKey(quint32 nativeScanCode) const override;

private:
    _XDisplay* m_display = nullptr;
};

} // namespace lexaro
