#include "platform/platform_services.h"

#include "clock/system_clock.h"
#include "platform/dbus/kde_keyboard_layout_switcher.h"
#include "platform/dbus/status_notifier_item.h"
#include "platform/linux/linux_system_identity.h"
#include "platform/linux/session_single_instance.h"
#include "platform/linux/x11_clipboard.h"
#include "platform/linux/x11_keyboard_layout_switcher.h"
#include "platform/linux/x11_keyboard_map.h"
#include "platform/linux/x11_notification_area_watcher.h"
#include "platform/linux/x11_window_stacking.h"
#include "platform/linux/x11_work_area.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_shell_opener.h"
#include "platform/qt/qt_sound_player.h"
#include "platform/qt/qt_speech_voice.h"
#include "platform/qt/qt_tray_icon.h"
#include "platform/qt/qt_window_stacking.h"
#include "platform/wayland/wayland_clipboard.h"

#include <QGuiApplication>

#include <X11/Xlib.h>

namespace lexaro {

namespace {

// Qt's own X11 connection, or none when Qt runs on another platform (Wayland, offscreen).
Display* qtX11Display()
{
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

// In a Wayland session the compositor's data-control protocol shows every copy, whichever
// window has the focus; where it is not offered (GNOME) the compositor hands copies to X11 at
// once. Qt's own X11 read waits for the owning program on the user-interface thread, and its
// Wayland one learns of a copy only while the program has the keyboard.
std::unique_ptr<Clipboard> createClipboard(const Clock& clock)
{
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        auto wayland = std::make_unique<WaylandClipboard>(clock);
        if (wayland->isWatching())
            return wayland;
    }
    if (QGuiApplication::platformName() == u"xcb")
        return std::make_unique<X11Clipboard>(clock);
    return std::make_unique<QtClipboard>();
}

// On Wayland the compositor owns the keyboard: XWayland's layout is not the user's.
std::unique_ptr<KeyboardLayoutSwitcher> createKeyboardLayoutSwitcher()
{
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return std::make_unique<X11KeyboardLayoutSwitcher>();
    if (KdeKeyboardLayoutSwitcher::isAvailable())
        return std::make_unique<KdeKeyboardLayoutSwitcher>();
    return std::make_unique<NoKeyboardLayoutSwitcher>();
}

} // namespace

PlatformServices createPlatformServices()
{
    Display* display = qtX11Display();
    PlatformServices services;
    services.clock = std::make_unique<SystemClock>();
    services.singleInstance = std::make_unique<SessionSingleInstance>();
    services.identity = std::make_unique<LinuxSystemIdentity>();
    services.sound = std::make_unique<QtSoundPlayer>();
    services.speech = std::make_unique<QtSpeechVoice>(*services.clock);
    services.keyboard = createKeyboardLayoutSwitcher();
    services.keyboardMap = std::make_unique<X11KeyboardMap>();
    services.shell = std::make_unique<QtShellOpener>();
    if (display)
        services.stacking = std::make_unique<X11WindowStacking>(display);
    else
        services.stacking = std::make_unique<QtWindowStacking>();
    services.trayIcon = std::make_unique<QtTrayIcon>(
        display ? std::make_unique<X11NotificationAreaWatcher>(DisplayString(display))
                : std::make_unique<NotificationAreaWatcher>(),
        std::make_unique<StatusNotifierItem>());
    services.clipboard = createClipboard(*services.clock);
    services.workArea = std::make_unique<X11WorkArea>();
    return services;
}

} // namespace lexaro
