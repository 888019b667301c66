#include "ui/modal_message_service.h"

#include "ui/message_box_form.h"

namespace lexaro {

ModalMessageService::ModalMessageService(SoundPlayer& sound, const KeyboardMap& keys,
                                         WindowStacking& stacking)
    : m_sound(sound), m_keys(keys), m_stacking(stacking)
{
}

MessageAnswer ModalMessageService::show(const Message& message, ButtonLayout layout,
                                        const YesAction& yesAction)
{
    return ShowMessageBox(message, layout, m_sound, m_keys, yesAction, nullptr, &m_stacking);
}

} // namespace lexaro
