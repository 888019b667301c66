# The main window comes up on the English dictionary, the icon sits in the notification
# area, and what the user had copied is still on the clipboard.
source "$(dirname "$0")/lib.sh"
printf 'kept on the clipboard' | xclip -selection clipboard
start_lexaro
trap stop_lexaro EXIT
win=$(wait_for_title "$MAIN_TITLE") || fail "the main window did not appear"
pass "main window $win appeared"
geometry=$(xdotool getwindowgeometry "$win" | grep Geometry)
[[ "$geometry" == *"961x555"* ]] || fail "window size: $geometry"
pass "window size 961x555"
tray_icons=$(xwininfo -root -tree | grep -c -i 'lexaro' || true)
[ "$tray_icons" -ge 2 ] || fail "no icon in the notification area"
pass "notification-area icon present"
[ "$(xclip -o -selection clipboard)" = "kept on the clipboard" ] || fail "clipboard changed"
pass "clipboard kept"
import -window root "$WORK/shot.png" && cp "$WORK/shot.png" "${SHOT_DIR:-$WORK}/start_up.png" 2>/dev/null || true
