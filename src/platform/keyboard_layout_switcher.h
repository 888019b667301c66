#pragma once

#include <QString>

namespace lexaro {

// Activates an input layout named by its eight-digit identifier ("00000429" Persian,
// "00000409" US English). A layout the user has not configured changes nothing.
class KeyboardLayoutSwitcher
{
public:
    virtual ~KeyboardLayoutSwitcher() = default;
    virtual void activate(const QString& layoutId) = 0;
};

} // namespace lexaro
