#pragma once

#include "ui/message_catalog.h"

#include <functional>

namespace lexaro {

enum class ButtonLayout
{
    Ok,
    YesNo
};

// How a message box was closed. None: by nothing the user pressed (the program ending while
// the box was open), so the caller must not go on as if the user had answered.
enum class MessageAnswer
{
    None,
    Ok,
    Yes,
    No
};

// The box on the screen, as an action that runs while it is open sees it.
class OpenMessageBox
{
public:
    virtual ~OpenMessageBox() = default;
    // Turns the same box into another message of its form, with that message's sound.
    virtual void change(const Message& message, ButtonLayout layout) = 0;
};

// What Yes does while the box stays open. Without one, Yes closes the box.
using YesAction = std::function<void(OpenMessageBox&)>;

// Gives one message and returns when it has been closed. The answer is Yes once Yes has been
// pressed, also when a Yes action then turned the box into a result that Ok closed.
class MessageService
{
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(const Message& message, ButtonLayout layout = ButtonLayout::Ok,
                               const YesAction& yesAction = {}) = 0;
};

} // namespace lexaro
