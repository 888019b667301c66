#pragma once

#include <QString>

namespace lexaro {

enum class Markup
{
    Html, // white space runs into one space; <br> and block elements break lines
    Xml,  // XDXF and Pango markup: line breaks in the text are kept
};

// The text a reader sees in a definition written in markup: tags dropped, entities decoded,
// line breaks where the markup makes them, no blank line more than one in a row.
QString markupToText(QStringView markup, Markup kind);

} // namespace lexaro
