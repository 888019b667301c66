#pragma once

#include "shell/shortcut_keys.h"

#include <QObject>

#include <array>
#include <functional>

namespace lexaro {

// Connects the places a command is started from (its toolbar picture, its key, the tray
// menu) to the code that carries it out, which lives in the look-up, word-maintenance,
// clipboard and help libraries. The composition root fills it in.
class CommandRouter : public QObject
{
    Q_OBJECT

public:
    using Command = std::function<void()>;

    explicit CommandRouter(QObject* parent = nullptr) : QObject(parent) {}

    void setCommand(ToolbarCommand command, Command action);
    bool handles(ToolbarCommand command) const;
    // Runs the command; one that nothing carries out yet does nothing.
    void run(ToolbarCommand command);

private:
    std::array<Command, ToolbarCommandCount> m_commands;
};

} // namespace lexaro
