#pragma once

#include <Qt>

#include <optional>

namespace lexaro {

// The toolbar commands; each has a picture in the main window and most have a key.
enum class ToolbarCommand
{
    AddWord,
    EditWord,
    DeleteWord,
    ListenWord,
    RefreshDatabase,
    HelpAndSupport,
    About,
};

// The main window's keys: Alt+A, Alt+E, Alt+D and Alt+L with Alt alone and no other
// modifier; F5 and F1 with any modifiers.
std::optional<ToolbarCommand> shortcutCommand(int key, Qt::KeyboardModifiers modifiers);

} // namespace lexaro
