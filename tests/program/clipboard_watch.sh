# A person copies words in another program on a desktop with a window manager and a panel
# along the bottom: the main window shows each word with its translation, also after the
# clipboard reader's connection was closed from outside; whatever else lands
# on the clipboard, the program keeps answering and the clipboard keeps it; minimised, the
# main window leaves the taskbar and the pop-up shows the word beside the panel, takes a new
# word, and closes on a click on its arrow; the menu brings the main window back, and Exit
# works while it is hidden.
source "$(dirname "$0")/desktop_lib.sh"
owner=("/usr/bin/python3" "$PROGRAM_TESTS/clipboard_owner.py")
start_openbox
start_panel bottom
start_lexaro
helpers=()
trap 'kill "${helpers[@]}" 2>/dev/null || true; stop_lexaro; stop_panel' EXIT
win=$(wait_for_title "$MAIN_TITLE") || fail "the main window did not appear"

copy house
atspi text "Search word" house && atspi text "Translation" "$(translation_of house)" \
  || fail "a copied word is not shown with its translation"
pass "a copied word is looked up in the main window"

# The reader's own X connection closed from outside (xkill on its window): it connects
# again, and the next copy is seen.
reader_window() { { xdotool search --name '^Lexaro clipboard reader$' 2>/dev/null || true; } | head -n 1; }
reader=$(reader_window)
[ -n "$reader" ] || fail "no window of the clipboard reader"
xkill -id "$reader" >/dev/null || fail "xkill failed"
# The new connection may well get the old one's window id: what counts is the next copy.
until_true 10 eval '[ -n "$(reader_window)" ]' || fail "the clipboard reader did not connect again"
copy book
atspi text "Translation" "$(translation_of book)" || fail "a copy after the reader's connection closed is not seen"
pass "the clipboard reader's connection closed from outside: it connects again, copies are seen"

# An owner that never answers: the windows go on answering the user.
"${owner[@]}" silent >"$WORK/silent.out" &
helpers+=($!)
until_true 10 grep -q ready "$WORK/silent.out" || fail "the silent owner did not start"
focus_window "$win"
xdotool key ctrl+a BackSpace
xdotool type --delay 30 dog
atspi text "Translation" "$(translation_of dog)" || fail "typing went unanswered beside a silent owner"
pass "a silent clipboard owner holds nothing up"
# The silent owner leaves with the next copy.

head -c 10000000 /dev/zero | tr '\0' a | xclip -selection clipboard
printf '\x89PNG\r\n\x1a\n' | xclip -selection clipboard -t image/png
printf 'file:///etc/hostname\n' | xclip -selection clipboard -t text/uri-list
[ "$(xclip -o -selection clipboard -t text/uri-list)" = "file:///etc/hostname" ] \
  || fail "the copied files are no longer on the clipboard"
"${owner[@]}" rapid 100 water >"$WORK/rapid.out" &
helpers+=($!)
until_true 10 grep -q ready "$WORK/rapid.out" || fail "the rapid owner did not finish"
atspi text "Translation" "$(translation_of water)" || fail "the last of 100 quick copies is not shown"
[ "$(xclip -o -selection clipboard)" = water ] || fail "the clipboard lost the last copy"
kill -0 "$LEXARO_PID" || fail "the program ended"
pass "10 MB of text, an image, files and 100 copies in a second: the clipboard kept, the last word shown"

# "water" was copied while the window was open: minimising shows it in the pop-up.
minimise "$win"
until_true 10 popup_shown || fail "no pop-up after minimising"
popup=$(popup_id)
until_true 10 not_in_taskbar "$win" || fail "the hidden main window is still in the taskbar"
! is_viewable "$win" || fail "the main window is still on the screen"
atspi text "The word searched" water && atspi text "Translation" "$(translation_of water)" \
  || fail "the pop-up does not show the word and its translation"
popup_beside_panel bottom || fail "the pop-up is not in the corner beside the panel"
xprop -id "$popup" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "the pop-up is not kept above"
xprop -id "$popup" _NET_WM_STATE | grep -q SKIP_TASKBAR || fail "the pop-up would be listed in the taskbar"
pass "minimised: the main window left the taskbar, the pop-up shows the word beside the panel"
import -window root "${SHOT_DIR:-$WORK}/clipboard_popup.png" 2>/dev/null || true

place=$(xdotool getwindowgeometry "$popup" | grep Position)
copy cat
atspi text "The word searched" cat && atspi text "Translation" "$(translation_of cat)" \
  || fail "a new word does not reach the open pop-up"
[ "$(popup_id)" = "$popup" ] && [ "$(xdotool getwindowgeometry "$popup" | grep Position)" = "$place" ] \
  || fail "the new word came in another window or another place"
pass "a new word goes into the same pop-up, in the same place"
copy "cities,"
atspi contains "Translation" $'\n\ncity\n'"$(translation_of city)" \
  || fail "an inflected word does not show its dictionary form in the pop-up"
pass "an inflected word shows its dictionary form in the pop-up"

# Its countdown is timed by the widget tests on a fake clock; here the user closes it, with a
# click on the arrow in its top right corner.
xdotool mousemove --window "$popup" 505 22 click 1
until_true 10 popup_gone || fail "a click on the pop-up's arrow did not close it"
! is_viewable "$win" || fail "the main window came back with the pop-up's closing"
pass "a click on its arrow closes the pop-up; the main window stays hidden"

tray_menu Down Return # "Open Orvenda Lexaro 2019"
until_true 10 is_viewable "$win" || fail "Open did not bring the main window back"
in_taskbar "$win" || fail "the main window is not back in the taskbar"
xprop -id "$win" _NET_WM_STATE | grep -q HIDDEN && fail "the main window came back minimised"
copy house
atspi text "Translation" "$(translation_of house)" || fail "the opened window does not look up"
popup_gone || fail "a pop-up appeared while the main window is open"
pass "Open brings the main window back; then copies go to it alone"
copy "Houses."
atspi contains "Translation" $'\n\nhouse\n'"$(translation_of house)" \
  || fail "an inflected word does not show its dictionary form in the main window"
pass "a copied inflected word shows its dictionary form in the main window"

minimise "$win"
until_true 10 popup_shown || fail "no pop-up after minimising again"
tray_menu Up Return # "Exit"
wait_for_exit "$LEXARO_PID" 10 || fail "Exit did not end the hidden program"
[ "$EXIT_STATUS" -eq 0 ] || fail "Exit ended with status $EXIT_STATUS"
pass "Exit ends the program while its main window is hidden"
