# With the panel on the top, left or right edge, the pop-up lies whole on the screen in the
# corner the panel leaves free, and Escape (once clicked into) or a click on its arrow closes
# it.
source "$(dirname "$0")/lib.sh"
start_desktop

# session EDGE WORD HOW: one start of the program with the panel on EDGE.
session() {
  start_panel "$1"
  start_lexaro
  local win
  win=$(wait_for_title "$MAIN_TITLE") || fail "the main window did not appear ($1)"
  minimise "$win"
  copy "$2"
  wait_until 10 popup_shown || fail "no pop-up with the panel on the $1 edge"
  atspi wait-text --showing "Translation" "$(translation_of "$2")" ||
    fail "the pop-up lacks the translation ($1)"
  popup_beside_panel "$1" || fail "the pop-up is misplaced with the panel on the $1 edge"
  screenshot "popup_$1"
  case "$3" in
    escape)
      # The pop-up takes the keyboard only once the user clicks into it.
      eval "$(xdotool getwindowgeometry --shell "$(popup_id)")"
      xdotool mousemove $((X + 200)) $((Y + 128)) click 1 # its word field
      wait_until 5 has_focus "$(popup_id)" || fail "a click did not activate the pop-up ($1)"
      xdotool key Escape ;;
    arrow)
      eval "$(xdotool getwindowgeometry --shell "$(popup_id)")"
      xdotool mousemove $((X + 505)) $((Y + 23)) click 1 ;; # BackImage
  esac
  wait_until 5 popup_gone || fail "$3 did not close the pop-up"
  pass "panel on the $1 edge: the pop-up fits beside it; $3 closes it"
  stop_lexaro
  stop_panel
}

session top house escape
session left cat escape
session right dog arrow
