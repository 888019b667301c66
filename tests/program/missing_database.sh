# Without its database the program shows only the start-up message box; Enter ends it
# with a non-zero status.
source "$(dirname "$0")/lib.sh"
rm "$LEXARO_DIR/Lexaro.db"
start_lexaro
trap stop_lexaro EXIT
box=""
for _ in $(seq 100); do
  box=$(xdotool search --onlyvisible --pid "$LEXARO_PID" 2>/dev/null | head -n 1) || true
  [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "no message box appeared"
geometry=$(xdotool getwindowgeometry "$box" | grep Geometry)
[[ "$geometry" == *"449x185"* ]] || fail "message box size: $geometry"
pass "message box shown"
xdotool search --onlyvisible --name "^$MAIN_TITLE\$" >/dev/null 2>&1 && fail "the main window appeared"
pass "no main window"
[ -f "$LEXARO_DIR/Lexaro.db" ] && fail "a database file was created"
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key Return
wait_for_exit "$LEXARO_PID" 10 || fail "Enter did not end the program"
[ "$EXIT_STATUS" -ne 0 ] || fail "the program ended with status 0"
pass "Enter ended the program with status $EXIT_STATUS"
