# On a desktop without a notification area the icon is silently absent and the program
# works all the same; the sounds it ships are in place.
source "$(dirname "$0")/lib.sh"
start_lexaro
trap stop_lexaro EXIT
win=$(wait_for_title "$MAIN_TITLE") || fail "the main window did not appear"
pass "main window appeared without a notification area"
grep -qi -E 'error|warning' "$WORK/lexaro.log" && fail "the program reported: $(cat "$WORK/lexaro.log")"
pass "nothing reported"
for f in "Message box/Critical.wav" "Message box/Warning.wav" "Message box/Information.wav" \
         "Notification/Notification.wav"; do
  [ "$(head -c 4 "$LEXARO_DIR/$f")" = RIFF ] || fail "$f is not a wave file"
done
[ "$(md5sum "$LEXARO_DIR"/Message\ box/*.wav "$LEXARO_DIR"/Notification/*.wav | cut -d' ' -f1 | sort -u | wc -l)" -eq 4 ] \
  || fail "the four sounds are not all different"
pass "four distinct wave files shipped"
