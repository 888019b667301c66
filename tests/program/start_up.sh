# The main window comes up focused, with the icon docked in the panel and what the user had
# copied still on the clipboard. A right click on the icon opens the menu; its last item,
# Exit, ends the program.
source "$(dirname "$0")/lib.sh"
start_desktop 1280x1024
start_panel bottom
printf 'kept on the clipboard' | xclip -selection clipboard
start_lexaro
win=$(wait_for_title "$MAIN_TITLE") || fail "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$win")"
[ "${WIDTH}x$HEIGHT" = 961x555 ] || fail "window size ${WIDTH}x$HEIGHT"
pass "main window of 961x555"
wait_until 5 has_focus "$win" || fail "the main window did not get the focus"
pass "main window focused"
wait_until 10 tray_icon_of "$LEXARO_PID" || fail "no icon in the notification area"
pass "icon docked in the panel"
[ "$(xclip -o -selection clipboard)" = "kept on the clipboard" ] || fail "clipboard changed"
pass "clipboard kept"

open_tray_menu
pass "right click opened the menu"
screenshot menu
press_keys Up Return
wait_for_exit "$LEXARO_PID" 10 || fail "Exit did not end the program"
[ "$EXIT_STATUS" -eq 0 ] || fail "Exit ended with status $EXIT_STATUS"
pass "Exit ended the program"
