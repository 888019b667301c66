# A bare desktop: no notification area when the program starts (the panel comes later, as it
# often does at login) and no Persian fonts. The program starts all the same and reports
# nothing; without a notification area a minimised main window is never hidden; its icon
# appears as soon as a panel does, X11 or D-Bus, and again when the panel is restarted.
source "$(dirname "$0")/lib.sh"
start_desktop
use_fonts_without_persian
start_lexaro
win=$(wait_for_title "$MAIN_TITLE") || fail "the main window did not appear"
pass "main window appeared without a notification area and without Persian fonts"
screenshot bare_desktop
grep -qi -E 'error|warning' "$WORK/lexaro.log" && fail "the program reported: $(cat "$WORK/lexaro.log")"
pass "nothing reported"
for f in "Message box/Critical.wav" "Message box/Warning.wav" "Message box/Information.wav" \
         "Notification/Notification.wav"; do
  [ "$(head -c 4 "$LEXARO_DIR/$f")" = RIFF ] || fail "$f is not a wave file"
done
[ "$(md5sum "$LEXARO_DIR"/Message\ box/*.wav "$LEXARO_DIR"/Notification/*.wav | cut -d' ' -f1 | sort -u | wc -l)" -eq 4 ] \
  || fail "the four sounds are not all different"
pass "four distinct wave files shipped"

# Nowhere to bring a hidden window back from: minimised and a word copied, the pop-up shows and
# the main window stays minimised in the taskbar.
in_taskbar() { xprop -root _NET_CLIENT_LIST | grep -q -i "$(printf '0x%x' "$1")"; }
wait_until 10 in_taskbar "$win" || fail "the window manager does not manage the main window"
timeout 10 xdotool windowminimize --sync "$win" || fail "the main window was not minimised"
printf 'house' | xclip -selection clipboard
wait_until 10 xdotool search --onlyvisible --name "^$MAIN_TITLE notification\$" ||
  fail "no pop-up while minimised without a notification area"
xprop -id "$win" WM_STATE | grep -q Iconic || fail "the main window is no longer minimised"
in_taskbar "$win" || fail "the main window left the taskbar without a notification area to come back from"
pass "without a notification area the minimised window stays in the taskbar, the pop-up shows"
xdotool windowactivate --sync "$win" >/dev/null 2>&1 || xdotool windowmap --sync "$win"

start_panel bottom
wait_until 10 tray_icon_of "$LEXARO_PID" || fail "no icon once the panel started"
pass "icon appeared in a panel started after the program"
stop_panel
start_panel top
wait_until 10 tray_icon_of "$LEXARO_PID" || fail "no icon in a panel started again"
pass "icon appeared again in the restarted panel"
kill -0 "$LEXARO_PID" || fail "the program ended"
stop_panel

# A panel that hosts icons through D-Bus, started after the program and then restarted: the icon
# registers with it each time, with its pictures and its menu, and the panel's menu works.
sni() { "$PYTHON" "$PROGRAM_TESTS/sni_host.py" "$@"; }
start_sni_panel() {
  "$PYTHON" "$PROGRAM_TESTS/sni_host.py" serve "$WORK/sni-items" >>"$WORK/sni.log" 2>&1 &
  SNI_PID=$!
  STARTED+=($SNI_PID)
}
start_sni_panel
wait_until 10 grep -q . "$WORK/sni-items" || fail "the icon did not register with a late D-Bus panel"
item=$(tail -n 1 "$WORK/sni-items")
pictures=$(sni icon "$item")
grep -qx 22x22 <<<"$pictures" || fail "the icon has no picture for the panel: $pictures"
menu=$(sni menu "$item")
expected_top=$'Open Orvenda Lexaro 2019\n--\nChange dictionary\n--\nCheck for updates...\n--\nExit'
[ "$(grep -v '^  ' <<<"$menu")" = "$expected_top" ] || fail "the panel's menu is not the program's: $menu"
[ "$(grep -c '^  [^-]' <<<"$menu")" -eq 9 ] || fail "the dictionary menu does not hold nine entries: $menu"
pass "icon and menu in a D-Bus panel started after the program"
kill "$SNI_PID"
wait "$SNI_PID" 2>/dev/null || true
: >"$WORK/sni-items"
start_sni_panel
wait_until 10 grep -q . "$WORK/sni-items" || fail "the icon did not register again with a restarted D-Bus panel"
item=$(tail -n 1 "$WORK/sni-items")
pass "icon registered again in the restarted D-Bus panel"
sni click "$item" Exit || fail "the panel could not click Exit"
wait_for_exit "$LEXARO_PID" 10 || fail "Exit in the panel's menu did not end the program"
pass "Exit from the panel's menu ends the program"
