# A bare desktop: no notification area when the program starts (the panel comes later, as it
# often does at login) and no Persian fonts. The program starts all the same and reports
# nothing; its icon appears as soon as a panel does, and again when the panel is restarted.
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

start_panel bottom
wait_until 10 tray_icon_of "$LEXARO_PID" || fail "no icon once the panel started"
pass "icon appeared in a panel started after the program"
stop_panel
start_panel top
wait_until 10 tray_icon_of "$LEXARO_PID" || fail "no icon in a panel started again"
pass "icon appeared again in the restarted panel"
kill -0 "$LEXARO_PID" || fail "the program ended"
