#pragma once

#include <QFont>

namespace lexaro::Fonts {

// The Persian face the program carries in its own folder ("Fonts/"), so Persian text looks
// the same on every machine, with or without Persian fonts of its own.
inline constexpr auto PersianFamily = u"Noto Naskh Arabic";
// Loads the faces of the program folder's "Fonts" folder; call once after the application
// object exists. Returns how many faces were loaded.
int loadProgramFonts();

// The designed faces first, then metric-compatible stand-ins the set-up scripts install, then
// the program's own Persian face for every Persian character.
QFont tahoma();                 // Tahoma 8.25 pt: windows, buttons, the search box
QFont calibri(qreal pointSize); // labels of the splash and the dictionary banner
QFont translation();            // "B Traffic" 9.75 pt bold: the translation box

} // namespace lexaro::Fonts
