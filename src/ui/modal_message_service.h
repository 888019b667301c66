#pragma once

#include "ui/message_service.h"

namespace lexaro {

class KeyboardMap;
class SoundPlayer;
class WindowStacking;

// Messages as modal message boxes with their sounds.
class ModalMessageService final : public MessageService
{
public:
    ModalMessageService(SoundPlayer& sound, const KeyboardMap& keys, WindowStacking& stacking);
    MessageAnswer show(const Message& message, ButtonLayout layout = ButtonLayout::Ok,
                       const YesAction& yesAction = {}) override;

private:
    SoundPlayer& m_sound;
    const KeyboardMap& m_keys;
    WindowStacking& m_stacking;
};

} // namespace lexaro
