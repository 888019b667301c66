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

# A right click on the icon opens the menu; its last item, Exit, ends the program.
icon=""
for id in $(xdotool search --onlyvisible --pid "$LEXARO_PID" 2>/dev/null); do
  eval "$(xdotool getwindowgeometry --shell "$id")"
  [ "$WIDTH" -le 64 ] && [ "$HEIGHT" -le 64 ] && icon=$id
done
[ -n "$icon" ] || fail "no icon window found"
eval "$(xdotool getwindowgeometry --shell "$icon")"
before=$(xdotool search --onlyvisible --pid "$LEXARO_PID" | wc -l)
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 3
for _ in $(seq 50); do
  [ "$(xdotool search --onlyvisible --pid "$LEXARO_PID" | wc -l)" -gt "$before" ] && break
  sleep 0.1
done
[ "$(xdotool search --onlyvisible --pid "$LEXARO_PID" | wc -l)" -gt "$before" ] || fail "no menu on right click"
pass "right click opened the menu"
import -window root "${SHOT_DIR:-$WORK}/menu.png" 2>/dev/null || true
xdotool key Up Return
wait_for_exit "$LEXARO_PID" 10 || fail "Exit did not end the program"
[ "$EXIT_STATUS" -eq 0 ] || fail "Exit ended with status $EXIT_STATUS"
pass "Exit ended the program"
