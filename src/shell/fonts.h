#pragma once

#include <QFont>

namespace lexaro::Fonts {

// The designed faces first, then metric-compatible or Persian-capable stand-ins that the
// set-up scripts install.
QFont tahoma();                 // Tahoma 8.25 pt: windows, buttons, the search box
QFont calibri(qreal pointSize); // labels of the splash and the dictionary banner
QFont translation();            // "B Traffic" 9.75 pt bold: the translation box

} // namespace lexaro::Fonts
