# Switches to the German dictionary with its picture, types a word, and reads the
# translation back through the accessibility bus as a screen reader would.
source "$(dirname "$0")/lib.sh"
start_lexaro
trap stop_lexaro EXIT
win=$(wait_for_title "$MAIN_TITLE") || fail "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$win")"
# The German picture: left 8, top 314, 41 x 41 pixels.
xdotool mousemove $((X + 28)) $((Y + 334)) click 1
word=$(grep -m1 -P '^Haus\t' "$LEXARO_DATA/German_to_Persian.tsv" | cut -f1)
[ "$word" = "Haus" ] || fail "the German list lacks Haus"
xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool type --delay 40 "$word"
/usr/bin/python3 "$(dirname "$0")/read_translation.py" "$LEXARO_DATA/German_to_Persian.tsv" "$word" \
  "German to persian dictionary" \
  || fail "the translation shown is not the stored one"
pass "German: Haus translated"
import -window root "${SHOT_DIR:-$WORK}/look_up.png" 2>/dev/null || true
