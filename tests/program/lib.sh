# Helpers for whole-program tests; sourced by each test script.
set -euo pipefail
MAIN_TITLE="Orvenda Lexaro 2019"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

# start_lexaro: starts the program in the background; its pid goes to $LEXARO_PID.
start_lexaro() {
  "$LEXARO_DIR/lexaro" >"$WORK/lexaro.log" 2>&1 &
  LEXARO_PID=$!
}

# wait_for_title TITLE [seconds]: prints the window id once a window has that title.
wait_for_title() {
  local deadline=$((SECONDS + ${2:-20}))
  while [ $SECONDS -lt $deadline ]; do
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# wait_for_exit PID [seconds]: waits for the process; its exit status goes to $EXIT_STATUS.
wait_for_exit() {
  local deadline=$((SECONDS + ${2:-20}))
  while kill -0 "$1" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
  EXIT_STATUS=0
  wait "$1" || EXIT_STATUS=$?
}

stop_lexaro() { kill "$LEXARO_PID" 2>/dev/null || true; wait "$LEXARO_PID" 2>/dev/null || true; }
