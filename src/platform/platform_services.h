#pragma once

#include "clock/clock.h"
#include "platform/clipboard.h"
#include "platform/keyboard_layout_switcher.h"
#include "platform/keyboard_map.h"
#include "platform/shell_opener.h"
#include "platform/single_instance_guard.h"
#include "platform/sound_player.h"
#include "platform/speech_voice.h"
#include "platform/system_identity.h"
#include "platform/tray_icon.h"
#include "platform/window_stacking.h"
#include "platform/work_area.h"

#include <memory>

namespace lexaro {

// Every desktop service the program uses, created once by the composition root, which hands
// each object only the services it uses.
struct PlatformServices
{
    // First: the others may keep time with it.
    std::unique_ptr<Clock> clock;
    std::unique_ptr<SingleInstanceGuard> singleInstance;
    std::unique_ptr<SystemIdentity> identity;
    std::unique_ptr<SoundPlayer> sound;
    std::unique_ptr<SpeechVoice> speech;
    std::unique_ptr<KeyboardLayoutSwitcher> keyboard;
    std::unique_ptr<KeyboardMap> keyboardMap;
    std::unique_ptr<ShellOpener> shell;
    std::unique_ptr<WindowStacking> stacking;
    std::unique_ptr<TrayIcon> trayIcon;
    std::unique_ptr<Clipboard> clipboard;
    std::unique_ptr<WorkArea> workArea;
};

// Implemented once per operating system.
PlatformServices createPlatformServices();

} // namespace lexaro
