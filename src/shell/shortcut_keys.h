#pragma once

#include <Qt>

#include <cstddef>
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
inline constexpr std::size_t ToolbarCommandCount = 7;

// The main window's keys: Alt+A, Alt+E, Alt+D and Alt+L with Alt alone and no other
// modifier; F5 and F1 with any modifiers. The key is the physical key's Latin letter
// (Keys::shortcutKey), so the shortcuts work under every keyboard layout.
std::optional<ToolbarCommand> shortcutCommand(int key, Qt::KeyboardModifiers modifiers);

} // namespace lexaro
