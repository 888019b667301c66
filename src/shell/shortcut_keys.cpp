#include "shell/shortcut_keys.h"

namespace lexaro {

std::optional<ToolbarCommand> shortcutCommand(int key, Qt::KeyboardModifiers modifiers)
{
    // The keypad flag says where the key is, not how it was pressed.
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (key == Qt::Key_F5)
        return ToolbarCommand::RefreshDatabase;
    if (key == Qt::Key_F1)
        return ToolbarCommand::HelpAndSupport;
    if (held != Qt::AltModifier)
        return std::nullopt;
    switch (key) {
    case Qt::Key_A:
        return ToolbarCommand::AddWord;
    case Qt::Key_E:
        return ToolbarCommand::EditWord;
    case Qt::Key_D:
        return ToolbarCommand::DeleteWord;
    case Qt::Key_L:
        return ToolbarCommand::ListenWord;
    default:
        return std::nullopt;
    }
}

} // namespace lexaro
