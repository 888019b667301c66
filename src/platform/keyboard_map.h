#pragma once

#include <QtGlobal>

namespace lexaro {

// Which letter or digit of the Latin layout a physical key carries, whatever layout is active.
// Shortcuts and access keys are matched on the key, so that Alt+A is Alt+A under the Persian
// layout as under the US one.
class KeyboardMap
{
public:
    virtual ~KeyboardMap() = default;
    // A Qt::Key (Qt::Key_A ... Qt::Key_Z, Qt::Key_0 ... Qt::Key_9) for the key with this native
    // scan code, or 0 when the key carries no Latin letter or digit or the code is unknown.
    virtual int latinKey(quint32 nativeScanCode) const = 0;
};

} // namespace lexaro
