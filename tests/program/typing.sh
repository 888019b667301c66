# Typing as a user does, with physical key presses. In the search box the suggestion list
# works from the keyboard (Down and Up move in it, Enter picks, Escape closes) and goes away
# whenever it would stand in the way: a typed headword, the focus leaving, a copied word,
# another window of the program, the main window minimised. Then, with the main window
# minimised, a word copied while the user types in another program brings up the pop-up,
# which takes none of the keys and leaves the keyboard layout alone until the user clicks
# into it; its word field keeps to the left for a Persian word, and its scroll bar is dark.
source "$(dirname "$0")/lib.sh"
start_with_search_box

# The list is a window of the program as wide as the search box.
suggestions() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$LEXARO_PID" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$WIDTH" -eq 825 ] && [ "$HEIGHT" -lt 500 ] && { echo "$id"; return 0; }
  done
  return 1
}
no_suggestions() { ! suggestions >/dev/null; }
clear_search_box() {
  press_keys End shift+Home BackSpace
  wait_for_search_box "" || fail "the search box could not be emptied"
}
# type_prefix LETTERS...: types them into the emptied search box and waits for the list.
type_prefix() {
  local typed
  typed=$(printf '%s' "$@")
  clear_search_box
  press_keys "$@"
  wait_for_search_box "$typed" || fail "the search box did not take $typed"
  wait_until 10 suggestions || fail "typing $typed offered no suggestions"
}
# type_hous: "hous" offers house first, then the other words that begin so.
type_hous() { type_prefix h o u s; }
# closes WHAT: the list has gone after WHAT.
closes() {
  if wait_until 5 no_suggestions; then pass "the suggestion list closes: $1"
  else note_failure "the suggestion list stays open: $1"; fi
}

type_hous
screenshot suggestions
press_keys Down Down Up Return
if wait_for_search_box house --timeout 5; then
  atspi wait-text Translation "$(grep -m1 -P '^house\t' "$LEXARO_DATA/English_to_Persian.tsv" | cut -f2)" ||
    note_failure "the picked word is not looked up"
  pass "Down, Down, Up and Enter pick the first suggestion"
else
  note_failure "Down, Down, Up and Enter put '$(search_box_text)' in the search box, not house"
fi
closes "a word picked"

type_hous
press_keys Escape
closes "Escape"

type_prefix a c c i # accident, accidental, accidentally
eval "$(xdotool getwindowgeometry --shell "$(suggestions)")"
xdotool mousemove $((X + 40)) $((Y + HEIGHT / 2)) click 1 # the middle one of three
wait_for_search_box accidental --timeout 5 || note_failure "a click picked '$(search_box_text)', not accidental"
closes "a word clicked"

type_hous
press_keys e
wait_for_search_box house || fail "the search box did not take house"
closes "the typed text is a headword, whose translation it would cover"
screenshot headword

type_hous
press_keys Tab
closes "the focus left the search box"
xdotool mousemove $((x + 540)) $((y + 196)) click 1

type_hous
printf water | xclip -selection clipboard
wait_for_search_box water || fail "the copied word did not reach the search box"
closes "a copied word replaced the text"

type_hous
press_keys alt+a
add=$(wait_for_title "English to persian dictionary - Add word") || fail "Alt+A opened no add window"
closes "the add window opened"
press_keys alt+c
wait_until 10 eval '! xdotool search --onlyvisible --name "Add word"' || fail "the add window did not close"
focus "$win"
xdotool mousemove $((x + 540)) $((y + 196)) click 1

type_hous
xdotool windowminimize --sync "$win" || fail "the main window was not minimised"
closes "the main window was minimised"

# --- The pop-up comes up while the user types in another program, under the Persian layout.
popup_id() { xdotool search --onlyvisible --name "^$MAIN_TITLE notification\$" 2>/dev/null | head -n 1; }
# Minimised, the window shows the copied water in a pop-up at once; its arrow closes it.
wait_until 10 eval '[ -n "$(popup_id)" ]' || fail "no pop-up for the word copied before"
read -r px py < <(client_origin "$(popup_id)")
xdotool mousemove $((px + 505)) $((py + 22)) click 1
wait_until 10 eval '[ -z "$(popup_id)" ]' || fail "the arrow did not close the pop-up"
"$PYTHON" "$PROGRAM_TESTS/key_recorder.py" "Key recorder" >"$WORK/keys.txt" &
STARTED+=($!)
wait_until 10 grep -q ready "$WORK/keys.txt" || fail "the key recorder did not start"
recorder=$(wait_for_title "Key recorder") || fail "no key recorder window"
focus "$recorder"
press_keys --group 1 || fail "could not lock the Persian layout"
pressed=0
press() { press_keys "$@"; pressed=$((pressed + $#)); }
printf 'خانه' | xclip -selection clipboard
deadline=$((SECONDS + 20))
until [ -n "$(popup_id)" ]; do
  [ $SECONDS -lt $deadline ] || fail "no pop-up for the copied word"
  press a
done
popup=$(popup_id)
# What a window manager does with a new window happens just after it maps it.
for _ in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17; do press a; done
keys_arrived() { [ "$(grep -c -v ready "$WORK/keys.txt")" -eq "$pressed" ]; }
if wait_until 10 keys_arrived; then pass "all $pressed keys reached the other program"
else note_failure "$(grep -c -v ready "$WORK/keys.txt") of $pressed keys reached the other program"; fi
group=$(press_keys --locked-group)
if [ "$group" = 1 ]; then pass "the Persian layout stayed on"
else note_failure "the layout changed under the user: group $group"; fi
xprop -id "$popup" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || note_failure "the pop-up is listed in taskbars"
xprop -id "$popup" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || note_failure "the pop-up is not kept above"

# Its word field (16, 120, 489 x 17 inside it) keeps to the left for a Persian word; its
# scroll bar (on the left of the right-to-left translation field at 16, 168) is as dark as
# the pop-up.
read -r px py < <(client_origin "$popup")
screenshot popup
field_left=$(convert "$SHOT_DIR/popup.png" -crop "489x17+$((px + 16))+$((py + 120))" +repage \
  -fuzz 20% -trim -format '%X' info: | tr -d '+')
[ "${field_left:-999}" -lt 20 ] || note_failure "the Persian word stands $field_left pixels from the left"
bar=$(convert "$SHOT_DIR/popup.png" -crop "16x121+$((px + 16))+$((py + 168))" +repage \
  -colorspace Gray -format '%[fx:mean]' info:)
awk -v m="$bar" 'BEGIN { exit !(m < 0.35) }' || note_failure "the scroll bar is light (mean $bar)"

# Clicked into, the pop-up takes the keyboard with the word field's layout, and Escape
# closes it.
xdotool mousemove $((px + 200)) $((py + 128)) click 1
wait_until 10 has_focus "$popup" || note_failure "a click did not give the pop-up the keyboard"
wait_until 5 eval '[ "$(press_keys --locked-group)" = 0 ]' || note_failure "the word field did not switch to English"
press_keys Escape
wait_until 10 eval '[ -z "$(popup_id)" ]' || note_failure "Escape did not close the active pop-up"
finish_checks
