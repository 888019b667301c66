#pragma once

#include <QString>

namespace lexaro {

// Shown as the translation of a word the current dictionary does not hold. Written, as it
// always has been, with ARABIC LETTER YEH for every yeh and KEHEH for the kaf.
inline QString notFoundText()
{
    return QStringLiteral("\u0627\u064A\u0646 \u0648\u0627\u0698\u0647 \u062F\u0631 "
                          "\u0628\u0627\u0646\u06A9 "
                          "\u0627\u0637\u0644\u0627\u0639\u0627\u062A\u064A "
                          "\u0628\u0631\u0646\u0627\u0645\u0647 \u0645\u0648\u062C\u0648\u062F "
                          "\u0646\u064A\u0633\u062A");
}

} // namespace lexaro
