# Helpers for whole-program tests; sourced by each test script. run_program_test.sh gives
# the script its own session bus and a copy of the program folder; the script starts its own
# desktop: an X server, the openbox window manager, keyboard layouts and a panel.
set -euo pipefail
MAIN_TITLE="Orvenda Lexaro 2019"
PROGRAM_TESTS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# Debian's own Python: it has pyatspi and python3-xlib.
PYTHON=/usr/bin/python3
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
SHOT_DIR=${SHOT_DIR:-$WORK}

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }
# For checks that do not depend on each other: note_failure records one and goes on,
# finish_checks ends the script failed if any was noted.
FAILURES=0
note_failure() { echo "FAIL: $*" >&2; FAILURES=$((FAILURES + 1)); }
finish_checks() { [ "$FAILURES" -eq 0 ] || exit 1; }

# Every background process a helper starts, stopped in reverse order when the script ends.
STARTED=()
stop_started() {
  local i
  for ((i = ${#STARTED[@]} - 1; i >= 0; i--)); do
    kill "${STARTED[i]}" 2>/dev/null || true
    wait "${STARTED[i]}" 2>/dev/null || true
  done
}
# Commands a script adds for its end, run before the started processes are stopped.
AT_EXIT=()
# A failed script leaves a picture of its screen as it was at the failure, which
# run_program_test.sh keeps with the logs; not when its X server has gone, since the display
# number may by then be another's.
end_test() {
  local status=$? command
  if [ "$status" -ne 0 ] && [ -n "${DISPLAY:-}" ] && own_display_runs; then
    import -window root "$WORK/failure.png" 2>/dev/null || true
  fi
  for command in "${AT_EXIT[@]}"; do
    "$command" || true
  done
  stop_started
}
trap end_test EXIT
own_display_runs() { [ -z "${XVFB_PID:-}" ] || kill -0 "$XVFB_PID" 2>/dev/null; }

# wait_until SECONDS COMMAND...: runs COMMAND until it succeeds; fails after SECONDS.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.05
  done
}

# start_desktop [WIDTHxHEIGHT]: an X server of that size, openbox managing it, and the
# keyboard layouts us,ir (group 0 English, group 1 Persian).
start_desktop() {
  local size=${1:-1280x1024} fifo="$WORK/display-fd" number=""
  rm -f "$fifo" && mkfifo "$fifo"
  # -noreset: the server does not reset when its last client leaves. A client connecting during
  # such a reset can be refused, and openbox gives up at once on a display it cannot open.
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$fifo" >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  STARTED+=($XVFB_PID)
  read -r -t 10 number <"$fifo" || fail "the X server did not start: $(cat "$WORK/xvfb.log")"
  export DISPLAY=":$number"
  openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
  STARTED+=($!)
  wait_until 10 window_manager_running || fail "openbox did not start: $(cat "$WORK/openbox.log")"
  setxkbmap -layout us,ir || fail "setxkbmap -layout us,ir failed"
}

# stop_desktop: ends everything started so far, the X server last; start_desktop may follow.
stop_desktop() {
  stop_started
  STARTED=()
  unset DISPLAY XVFB_PID
}

# openbox names its theme once it has loaded it, late in its start, just before it takes
# charge of the windows already there; only then does it reliably see a panel's strut.
window_manager_running() {
  xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' &&
    xprop -root _OB_THEME | grep -q '=' && xprop -root _NET_WORKAREA | grep -q '='
}

# screen_size: prints "WIDTH HEIGHT".
screen_size() { xwininfo -root | awk '/^  Width:/ {w = $2} /^  Height:/ {h = $2} END {print w, h}'; }

# work_area: prints "X Y WIDTH HEIGHT", the part of the screen that panels leave free.
work_area() { xprop -root _NET_WORKAREA | sed -E 's/.*= //; s/,//g' | cut -d' ' -f1-4; }

# start_panel [EDGE]: trayer, a notification area with a strut, on that edge (bottom, top,
# left or right); returns once the window manager has taken its strut off the work area.
start_panel() {
  local edge=${1:-bottom}
  trayer --edge "$edge" --align right --widthtype pixel --width 120 --heighttype pixel \
    --height 24 --SetDockType true --SetPartialStrut true --expand false \
    >>"$WORK/trayer.log" 2>&1 &
  PANEL_PID=$!
  STARTED+=($PANEL_PID)
  wait_until 10 panel_reserves "$edge" ||
    fail "the panel did not take the $edge edge (work area $(work_area)): $(cat "$WORK/trayer.log")"
}

panel_reserves() {
  local x y w h sw sh
  read -r x y w h < <(work_area)
  read -r sw sh < <(screen_size)
  case "$1" in
    bottom) [ "$y" -eq 0 ] && [ "$h" -eq $((sh - 24)) ] ;;
    top) [ "$y" -eq 24 ] && [ "$h" -eq $((sh - 24)) ] ;;
    left) [ "$x" -eq 24 ] ;;
    right) [ "$w" -eq $((sw - 24)) ] ;;
  esac
}

# stop_panel: ends the panel and waits until the work area is the whole screen again.
stop_panel() {
  kill "$PANEL_PID"
  wait "$PANEL_PID" 2>/dev/null || true
  wait_until 10 work_area_is_whole_screen || fail "the work area kept the panel's strut"
}

work_area_is_whole_screen() { [ "$(work_area)" = "0 0 $(screen_size)" ]; }

# use_fonts_without_persian: from now on the program sees only the DejaVu faces, which have
# no Persian letters, as on a machine without Persian fonts.
use_fonts_without_persian() {
  local folder=/usr/share/fonts/truetype/dejavu
  [ -d "$folder" ] || fail "no $folder"
  mkdir -p "$WORK/fontconfig-cache"
  cat >"$WORK/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$folder</dir>
  <cachedir>$WORK/fontconfig-cache</cachedir>
</fontconfig>
EOF
  export FONTCONFIG_FILE="$WORK/fonts.conf"
  fc-list | grep -v -i dejavu >/dev/null && fail "fonts other than DejaVu are still visible"
  return 0
}

# start_lexaro: starts the program in the background; its pid goes to $LEXARO_PID.
start_lexaro() {
  "$LEXARO_DIR/lexaro" >>"$WORK/lexaro.log" 2>&1 &
  LEXARO_PID=$!
  STARTED+=($LEXARO_PID)
}

# stop_lexaro: ends the program that start_lexaro started.
stop_lexaro() {
  kill "$LEXARO_PID" 2>/dev/null || true
  wait "$LEXARO_PID" 2>/dev/null || true
}

# wait_for_title TITLE [seconds]: prints the window id once a window has that title.
wait_for_title() {
  wait_until "${2:-20}" xdotool search --onlyvisible --name "^$1\$" || return 1
  xdotool search --onlyvisible --name "^$1\$" | head -n 1
}

# wait_for_exit PID [seconds]: waits for the process; its exit status goes to $EXIT_STATUS.
wait_for_exit() {
  wait_until "${2:-20}" not_running "$1" || return 1
  EXIT_STATUS=0
  wait "$1" || EXIT_STATUS=$?
}

not_running() { ! kill -0 "$1"; }

# focus WINDOW: gives it the keyboard focus through the window manager and checks that the
# focus arrived; typing into another window would prove nothing.
focus() {
  xdotool windowactivate "$1" || fail "could not activate window $1"
  wait_until 5 has_focus "$1" || fail "window $1 did not get the focus (it is at $(xdotool getwindowfocus))"
}

has_focus() { [ "$(xdotool getwindowfocus)" = "$1" ]; }

# frame_geometry WINDOW: prints "X Y WIDTH HEIGHT" of the window with its frame, as the
# window manager drew it (_NET_FRAME_EXTENTS: left, right, top, bottom).
frame_geometry() {
  local x y w h l r t b
  read -r x y < <(client_origin "$1")
  read -r w h < <(xwininfo -id "$1" | awk '/^  Width:/ {w = $2} /^  Height:/ {h = $2} END {print w, h}')
  read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -E 's/.*= //; s/,//g')
  [ -n "$b" ] || fail "window $1 has no frame extents"
  echo $((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))
}

# frame_centred WINDOW: the window's frame is centred on the screen, to a pixel either way.
frame_centred() {
  local fx fy fw fh sw sh dx dy
  read -r fx fy fw fh < <(frame_geometry "$1")
  read -r sw sh < <(screen_size)
  dx=$((2 * fx + fw - sw)) dy=$((2 * fy + fh - sh))
  echo "frame ${fw}x$fh at $fx,$fy on a ${sw}x$sh screen"
  [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}

# client_origin WINDOW: prints "X Y", the screen position of the window's top-left corner
# without its frame.
client_origin() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}'
}

# tray_icon_of PID: prints the id of the program's icon window once it sits inside the panel
# that start_panel started (one of its ancestors belongs to the panel's process).
tray_icon_of() {
  local id ancestor
  for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
    ancestor=$id
    while ancestor=$(parent_of "$ancestor"); do
      [ "$(xprop -id "$ancestor" _NET_WM_PID 2>/dev/null | awk '{print $3}')" = "$PANEL_PID" ] &&
        { echo "$id"; return 0; }
    done
  done
  return 1
}

# parent_of WINDOW: prints the parent's id; fails at the root window.
parent_of() {
  local parent
  parent=$(xwininfo -children -id "$1" | awk '/Parent window id:/ {print $4}')
  [ -n "$parent" ] && [ "$parent" != "$(xwininfo -root | awk '/Window id:/ {print $4}')" ] &&
    echo "$parent"
}

# press_keys [--group N] KEY...: physical key presses through XTest (see press_keys.py).
press_keys() { "$PYTHON" "$PROGRAM_TESTS/press_keys.py" "$@"; }

# atspi COMMAND ARGS...: reads or works the program's controls as a screen reader does.
atspi() { "$PYTHON" "$PROGRAM_TESTS/atspi.py" "$@"; }

# search_box_text / wait_for_search_box TEXT: the search box is found by its role, since Qt
# names an editable combo box after its text.
search_box_text() { atspi text --role "combo box" "*"; }
wait_for_search_box() { atspi wait-text --role "combo box" "*" "$@"; }

# screenshot NAME: the whole screen into $SHOT_DIR/NAME.png.
screenshot() { import -window root "$SHOT_DIR/$1.png" || fail "no screenshot $1"; }

# start_with_search_box: a desktop with a panel, the program on it, its window focused and the
# search box clicked into; the window id goes to $win, the window's origin to $x and $y.
start_with_search_box() {
  start_desktop
  start_panel bottom
  start_lexaro
  win=$(wait_for_title "$MAIN_TITLE") || fail "the main window did not appear"
  focus "$win"
  # The search box: left 128, top 186, 825 x 21 pixels inside the window.
  read -r x y < <(client_origin "$win")
  xdotool mousemove $((x + 540)) $((y + 196)) click 1
}

# hold_lock DATABASE: another program takes the database's exclusive lock and keeps it a
# minute; its pid goes to $locker. Returns once the lock is held.
hold_lock() {
  /usr/bin/python3 -c '
import sqlite3, sys, time
c = sqlite3.connect(sys.argv[1], isolation_level=None)
c.execute("Begin Exclusive")
print("locked", flush=True)
time.sleep(60)' "$1" >"$WORK/lock.out" &
  locker=$!
  STARTED+=($locker)
  wait_until 10 grep -q locked "$WORK/lock.out" || fail "the database was not locked"
}

# copy TEXT: another program (xclip) copies TEXT and keeps the clipboard.
copy() { printf '%s' "$1" | xclip -selection clipboard; }

# translation_of WORD: the English word's translation as its word list holds it.
translation_of() {
  grep -m1 -P "^$1\t" "$LEXARO_DATA/English_to_Persian.tsv" | cut -f2 | sed 's/\\n/\n/g'
}

# popup_id: prints the id of the notification pop-up while it shows.
POPUP_TITLE="$MAIN_TITLE notification"
popup_id() { xdotool search --onlyvisible --name "^$POPUP_TITLE\$" 2>/dev/null | head -n 1; }
popup_shown() { [ -n "$(popup_id)" ]; }
popup_gone() { [ -z "$(popup_id)" ]; }

# in_taskbar WINDOW: the window manager lists the window for taskbars and pagers.
in_taskbar() { xprop -root _NET_CLIENT_LIST | grep -q -i "$(printf '0x%x' "$1")"; }
not_in_taskbar() { ! in_taskbar "$1"; }
is_viewable() { xwininfo -id "$1" | grep -q IsViewable; }

# minimise WINDOW: as the minimise box does, once the window manager manages the window.
minimise() {
  wait_until 10 in_taskbar "$1" || fail "the window manager does not manage window $1"
  timeout 10 xdotool windowminimize --sync "$1" || fail "window $1 was not minimised"
}

# open_tray_menu: a right click on the program's icon in the panel; returns once the menu shows.
open_tray_menu() {
  local icon before X Y WIDTH HEIGHT SCREEN WINDOW
  wait_until 10 tray_icon_of "$LEXARO_PID" || fail "no icon in the notification area"
  icon=$(tray_icon_of "$LEXARO_PID")
  before=$(windows_showing "$LEXARO_PID")
  eval "$(xdotool getwindowgeometry --shell "$icon")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 3
  wait_until 10 more_windows_showing "$LEXARO_PID" "$before" || fail "no menu on a right click on the icon"
}

windows_showing() { xdotool search --onlyvisible --pid "$1" 2>/dev/null | wc -l; }
more_windows_showing() { [ "$(windows_showing "$1")" -gt "$2" ]; }

# popup_beside_panel EDGE: the pop-up lies whole on the screen, clear of the panel, in the
# corner the panel leaves free at the bottom right: against the panel when the panel is on
# the bottom or the right edge.
popup_beside_panel() {
  local panel right bottom X Y WIDTH HEIGHT SCREEN WINDOW P_X P_Y P_WIDTH P_HEIGHT P_SCREEN P_WINDOW
  panel=$(xdotool search --onlyvisible --class trayer | head -n 1)
  eval "$(xdotool getwindowgeometry --shell --prefix P_ "$panel")"
  eval "$(xdotool getwindowgeometry --shell "$(popup_id)")"
  read -r right bottom < <(screen_size)
  case "$1" in
    bottom) bottom=$P_Y ;;
    right) right=$P_X ;;
  esac
  echo "pop-up ${WIDTH}x$HEIGHT+$X+$Y, panel ${P_WIDTH}x$P_HEIGHT+$P_X+$P_Y"
  [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -eq "$right" ] &&
    [ $((Y + HEIGHT)) -eq "$bottom" ] || return 1
  [ $((X + WIDTH)) -le "$P_X" ] || [ "$X" -ge $((P_X + P_WIDTH)) ] ||
    [ $((Y + HEIGHT)) -le "$P_Y" ] || [ "$Y" -ge $((P_Y + P_HEIGHT)) ]
}
