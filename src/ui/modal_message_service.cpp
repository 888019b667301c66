#include "ui/modal_message_service.h"

#include "ui/message_box_form.h"

namespace lexaro {

ModalMessageService::ModalMessageService(SoundPlayer& sound, const KeyboardMap& keys)
    : m_sound(sound), m_keys(keys)
{
}

MessageAnswer ModalMessageService::show(const Message& message, ButtonLayout layout,
                                        const YesAction& yesAction)
{
    return ShowMessageBox(message, layout, m_sound, m_keys, yesAction);
}

} // namespace lexaro
