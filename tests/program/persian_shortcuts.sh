# Under the Persian layout, as a Persian keyboard sends them, Alt+A and Alt+L are commands and
# Alt+X is nothing: none of them types a letter into the search box. The add window that Alt+A
# opens closes with its access key Alt+C, pressed under the Persian layout too.
source "$(dirname "$0")/lib.sh"
start_with_search_box
wait_for_search_box "" || fail "the search box is not empty at the start"

# The key that is "a" in the US layout types sheen in the Persian one; it follows each
# chord to prove that the keys reach the search box.
marker="ش"
opened_window() { [ "$(xdotool search --onlyvisible --pid "$LEXARO_PID" | wc -l)" -gt "$windows" ]; }
marker_arrived() { [[ "$(search_box_text)" == *"$marker" ]]; }
clear_search_box() {
  press_keys End shift+Home BackSpace
  wait_for_search_box "" || fail "the search box could not be emptied"
}
for chord in alt+x alt+a alt+l; do
  windows=$(xdotool search --onlyvisible --pid "$LEXARO_PID" | wc -l)
  # The program switches the layout when a field gets the focus; lock Persian afterwards.
  press_keys --group 1 "$chord" a
  wait_until 10 eval 'marker_arrived || opened_window' || fail "$chord: the keys did not arrive"
  if ! opened_window && [ "$(search_box_text)" != "$marker" ]; then
    note_failure "$chord: the search box shows '$(search_box_text)', not the Persian letter alone"
    clear_search_box
    continue
  fi
  if opened_window; then
    # The command opened its window, which took the letter; close it and look again: the add
    # window with Alt+C, a message with Enter.
    if xdotool search --onlyvisible --name "Add word" >/dev/null 2>&1; then
      press_keys --group 1 alt+c
    else
      press_keys Return
    fi
    wait_until 10 eval '! opened_window' || fail "$chord: the window it opened did not close"
    focus "$win"
    if ! wait_for_search_box "" --timeout 2; then
      note_failure "$chord typed into the search box"
      clear_search_box
      continue
    fi
  else
    clear_search_box
  fi
  pass "$chord under the Persian layout typed nothing"
done
finish_checks
