#pragma once

#include "ui/message_service.h"

#include <QList>

#include <functional>

namespace lexaro::fakes {

// Records every message and answers as the test scripted it (Ok by default). A scripted Yes
// runs the caller's Yes action, whose changes of the open box are recorded too.
class FakeMessageService final : public MessageService, private OpenMessageBox
{
public:
    struct Shown
    {
        Message message;
        ButtonLayout layout;
    };

    MessageAnswer show(const Message& message, ButtonLayout layout,
                       const YesAction& yesAction) override
    {
        shown.append({message, layout});
        if (onShow)
            onShow(message);
        const MessageAnswer answer = answers.isEmpty() ? MessageAnswer::Ok : answers.takeFirst();
        if (answer == MessageAnswer::Yes && yesAction)
            yesAction(*this);
        return answer;
    }

    QString lastPicture() const
    {
        return shown.isEmpty() ? QString() : shown.last().message.picture().controlName;
    }

    QList<Shown> shown;
    QList<Shown> changes; // what a Yes action turned the open box into
    QList<MessageAnswer> answers;
    std::function<void(const Message&)> onShow;

private:
    void change(const Message& message, ButtonLayout layout) override
    {
        changes.append({message, layout});
    }
};

} // namespace lexaro::fakes
