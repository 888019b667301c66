#include "shell/command_router.h"

namespace lexaro {

void CommandRouter::setCommand(ToolbarCommand command, Command action)
{
    m_commands[static_cast<std::size_t>(command)] = std::move(action);
}

bool CommandRouter::handles(ToolbarCommand command) const
{
    return bool(m_commands[static_cast<std::size_t>(command)]);
}

void CommandRouter::run(ToolbarCommand command)
{
    // A copy: the command may replace itself while it runs (a modal window inside it).
    const Command action = m_commands[static_cast<std::size_t>(command)];
    if (action)
        action();
}

} // namespace lexaro
