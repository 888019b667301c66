# Helpers for whole-program tests on a desktop with a window manager and a panel; sourced
# by the test scripts that run_desktop_test.sh starts.
PROGRAM_TESTS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$PROGRAM_TESTS/lib.sh"
POPUP_TITLE="$MAIN_TITLE notification"
SCREEN_W=1280 SCREEN_H=1024
atspi() { /usr/bin/python3 "$PROGRAM_TESTS/atspi_expect.py" "$@"; }
stop_lexaro() { kill "${LEXARO_PID:-}" 2>/dev/null || true; wait "${LEXARO_PID:-}" 2>/dev/null || true; }
# copy TEXT: another program (xclip) copies TEXT and keeps the clipboard.
copy() { printf '%s' "$1" | xclip -selection clipboard; }
translation_of() { grep -m1 -P "^$1\t" "$LEXARO_DATA/English_to_Persian.tsv" | cut -f2 | sed 's/\\n/\n/g'; }

# until_true SECONDS COMMAND...: runs COMMAND until it succeeds or the deadline passes.
until_true() {
  local deadline=$((SECONDS + $1)); shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.05
  done
}

start_openbox() {
  openbox --sm-disable >/dev/null 2>&1 &
  OPENBOX_PID=$!
  until_true 10 xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 || fail "openbox did not start"
}

# start_panel EDGE: a notification area on that edge that reserves its strip of the screen.
start_panel() {
  local size=(--widthtype pixel --width 160 --heighttype pixel --height 28)
  trayer --edge "$1" --align right "${size[@]}" --SetDockType true --SetPartialStrut true \
    --expand false >/dev/null 2>&1 &
  PANEL_PID=$!
  until_true 10 work_area_reduced || fail "the panel on the $1 edge reserved no space"
}
stop_panel() { kill "$PANEL_PID" 2>/dev/null || true; wait "$PANEL_PID" 2>/dev/null || true; }

# work_area: prints x y width height of the work area the window manager publishes.
work_area() { xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g' | cut -d' ' -f1-4; }
work_area_reduced() { [ "$(work_area)" != "0 0 $SCREEN_W $SCREEN_H" ]; }

popup_id() { xdotool search --onlyvisible --name "^$POPUP_TITLE\$" 2>/dev/null | head -n 1; }
popup_shown() { [ -n "$(popup_id)" ]; }
popup_gone() { [ -z "$(popup_id)" ]; }
# in_taskbar ID: the window manager lists the window for taskbars and pagers.
in_taskbar() { xprop -root _NET_CLIENT_LIST | grep -q -i "$(printf '0x%x' "$1")"; }
not_in_taskbar() { ! in_taskbar "$1"; }
is_viewable() { xwininfo -id "$1" | grep -q 'IsViewable'; }
# minimise ID: as the minimise box does, once the window manager manages the window.
minimise() {
  until_true 10 in_taskbar "$1" || fail "the window manager does not manage window $1"
  timeout 10 xdotool windowminimize --sync "$1" || fail "window $1 was not minimised"
}

# focus_window ID: activates the window and waits until it has the focus.
focus_window() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"
  until_true 10 [ "$(xdotool getwindowfocus)" = "$1" ] || fail "window $1 did not take the focus"
}

# tray_menu KEYS...: opens the notification-area icon's menu and picks an item with KEYS.
tray_menu() {
  local icon="" id
  for id in $(xdotool search --onlyvisible --pid "$LEXARO_PID" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$WIDTH" -le 64 ] && [ "$HEIGHT" -le 64 ] && icon=$id
  done
  [ -n "$icon" ] || fail "no icon in the notification area"
  eval "$(xdotool getwindowgeometry --shell "$icon")"
  local before
  before=$(xdotool search --onlyvisible --pid "$LEXARO_PID" | wc -l)
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 3
  until_true 10 [ "$(xdotool search --onlyvisible --pid "$LEXARO_PID" | wc -l)" -gt "$before" ] \
    || fail "no menu on a right click"
  xdotool key "$@"
}

# popup_beside_panel EDGE: the pop-up lies whole on the screen, clear of the panel, in the
# corner the panel leaves free at the bottom right: against the panel when the panel is on
# the bottom or the right edge.
popup_beside_panel() {
  local panel
  panel=$(xdotool search --onlyvisible --class trayer | head -n 1)
  eval "$(xdotool getwindowgeometry --shell --prefix P_ "$panel")"
  eval "$(xdotool getwindowgeometry --shell "$(popup_id)")"
  local right=$SCREEN_W bottom=$SCREEN_H
  case "$1" in
    bottom) bottom=$P_Y ;;
    right) right=$P_X ;;
  esac
  echo "pop-up ${WIDTH}x${HEIGHT}+$X+$Y, panel ${P_WIDTH}x${P_HEIGHT}+$P_X+$P_Y"
  [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -eq "$right" ] && [ $((Y + HEIGHT)) -eq "$bottom" ] || return 1
  # No overlap with the panel.
  [ $((X + WIDTH)) -le "$P_X" ] || [ "$X" -ge $((P_X + P_WIDTH)) ] ||
    [ $((Y + HEIGHT)) -le "$P_Y" ] || [ "$Y" -ge $((P_Y + P_HEIGHT)) ]
}
