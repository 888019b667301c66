#pragma once

#include "ui/message_catalog.h"

#include <QList>
#include <QString>

#include <optional>

namespace lexaro {

// One line of the help window's menu: a document, or one of the two headings that split the
// menu into groups and do nothing.
struct HelpMenuItem
{
    QString labelName; // "AddwordLabel"
    int top;           // in twips, inside the menu panel
    QString caption;
    QString tooltip;                    // Persian; empty for a heading
    QString file;                       // "\Help and support\Add word.pdf"; empty for a heading
    std::optional<HelpPicture> missing; // the message when the file is not there

    bool isDocument() const { return missing.has_value(); }
};

// The fifteen lines, top to bottom: the thirteen documents and the two headings.
const QList<HelpMenuItem>& helpMenu();

} // namespace lexaro
