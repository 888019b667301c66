#include "platform/platform_services.h"

#include "platform/linux/linux_system_identity.h"
#include "platform/linux/lock_file_single_instance.h"
#include "platform/linux/x11_keyboard_layout_switcher.h"
#include "platform/linux/x11_keyboard_map.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_shell_opener.h"
#include "platform/qt/qt_sound_player.h"
#include "platform/qt/qt_speech_voice.h"
#include "platform/qt/qt_tray_icon.h"
#include "platform/qt/qt_window_stacking.h"
#include "platform/qt/qt_work_area.h"

namespace lexaro {

PlatformServices createPlatformServices()
{
    PlatformServices services;
    services.singleInstance = std::make_unique<LockFileSingleInstance>();
    services.identity = std::make_unique<LinuxSystemIdentity>();
    services.sound = std::make_unique<QtSoundPlayer>();
    services.speech = std::make_unique<QtSpeechVoice>();
    services.keyboard = std::make_unique<X11KeyboardLayoutSwitcher>();
    services.keyboardMap = std::make_unique<X11KeyboardMap>();
    services.shell = std::make_unique<QtShellOpener>();
    services.stacking = std::make_unique<QtWindowStacking>();
    services.trayIcon = std::make_unique<QtTrayIcon>();
    services.clipboard = std::make_unique<QtClipboard>();
    services.workArea = std::make_unique<QtWorkArea>();
    return services;
}

} // namespace lexaro
