#include "platform/platform_services.h"

#include "platform/linux/linux_system_identity.h"
#include "platform/linux/lock_file_single_instance.h"
#include "platform/linux/x11_clipboard.h"
#include "platform/linux/x11_keyboard_layout_switcher.h"
#include "platform/linux/x11_keyboard_map.h"
#include "platform/linux/x11_work_area.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_shell_opener.h"
#include "platform/qt/qt_sound_player.h"
#include "platform/qt/qt_tray_icon.h"
#include "platform/qt/qt_window_stacking.h"

#include <QGuiApplication>

namespace lexaro {

PlatformServices createPlatformServices()
{
    PlatformServices services;
    services.singleInstance = std::make_unique<LockFileSingleInstance>();
    services.identity = std::make_unique<LinuxSystemIdentity>();
    services.sound = std::make_unique<QtSoundPlayer>();
    services.keyboard = std::make_unique<X11KeyboardLayoutSwitcher>();
    services.keyboardMap = std::make_unique<X11KeyboardMap>();
    services.shell = std::make_unique<QtShellOpener>();
    services.stacking = std::make_unique<QtWindowStacking>();
    services.trayIcon = std::make_unique<QtTrayIcon>();
    // Qt's own X11 clipboard read waits for the owning program on the user-interface thread.
    if (QGuiApplication::platformName() == u"xcb")
        services.clipboard = std::make_unique<X11Clipboard>();
    else
        services.clipboard = std::make_unique<QtClipboard>();
    services.workArea = std::make_unique<X11WorkArea>();
    return services;
}

} // namespace lexaro
