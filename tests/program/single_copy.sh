# Only one copy runs, whatever the environment of each: a second copy ends silently with
# status 0 and the first is not disturbed; of two started in the same instant one stays; a
# copy killed outright does not keep the next from starting.
source "$(dirname "$0")/lib.sh"
start_desktop
start_panel bottom
main_windows() { xdotool search --onlyvisible --name "^$MAIN_TITLE\$" | wc -l; }
windows_are() { [ "$(main_windows)" -eq "$1" ]; }

# second_copy_ends DESCRIPTION [ENV...]: a copy started under `env ENV...` ends with status 0.
second_copy_ends() {
  local what=$1 second
  shift
  env "$@" "$LEXARO_DIR/lexaro" >>"$WORK/second.log" 2>&1 &
  second=$!
  wait_for_exit "$second" 10 || { kill "$second"; fail "second copy ($what) kept running"; }
  [ "$EXIT_STATUS" -eq 0 ] || fail "second copy ($what) ended with status $EXIT_STATUS"
  kill -0 "$first" || fail "the first copy ended after a second one ($what)"
  pass "second copy ($what) ended with status 0"
}

start_lexaro
first=$LEXARO_PID
wait_for_title "$MAIN_TITLE" >/dev/null || fail "the first copy did not start"
second_copy_ends "same environment"
second_copy_ends "without XDG_RUNTIME_DIR" -u XDG_RUNTIME_DIR
# /proc: a folder that not even root can write to.
second_copy_ends "read-only XDG_RUNTIME_DIR" XDG_RUNTIME_DIR=/proc
mkdir "$XDG_RUNTIME_DIR/example.orvenda.Lexaro.lock"
second_copy_ends "a folder where the fallback lock file would be"
[ "$(xdotool search --onlyvisible --name "^$MAIN_TITLE\$" | wc -l)" -eq 1 ] || fail "more than one main window"
pass "one main window"

# The first copy started without XDG_RUNTIME_DIR, the second with it.
kill -9 "$first"
wait "$first" 2>/dev/null || true
env -u XDG_RUNTIME_DIR "$LEXARO_DIR/lexaro" >>"$WORK/lexaro.log" 2>&1 &
first=$!
STARTED+=($first)
win=$(wait_for_title "$MAIN_TITLE") && [ "$(xdotool getwindowpid "$win")" = "$first" ] ||
  fail "a copy killed outright kept the next from starting"
pass "started again after the first copy was killed"
second_copy_ends "with XDG_RUNTIME_DIR, first without"
kill "$first"
wait "$first" 2>/dev/null || true
wait_until 10 windows_are 0 || fail "the main window stayed"

"$LEXARO_DIR/lexaro" >/dev/null 2>&1 & a=$!
"$LEXARO_DIR/lexaro" >/dev/null 2>&1 & b=$!
STARTED+=($a $b)
wait_for_title "$MAIN_TITLE" >/dev/null || fail "neither copy started"
one_ended() { not_running "$a" || not_running "$b"; }
wait_until 10 one_ended || fail "two copies running after a simultaneous start"
kill -0 "$a" 2>/dev/null || kill -0 "$b" 2>/dev/null || fail "both copies ended"
pass "simultaneous start left exactly one copy"
for pid in "$a" "$b"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
wait_until 10 windows_are 0 || fail "the main window stayed"

# The claim belongs to this desktop session. Another user cannot stop the program or make it
# run twice, whatever name it binds; here it takes the per-user name copies once used, first
# without answering, then answering.
squat() {
  setpriv --reuid=65534 --regid=65534 --clear-groups "$PYTHON" -c '
import socket, sys, time
s = socket.socket(socket.AF_UNIX)
s.bind("\0lexaro-" + sys.argv[1])
if sys.argv[2] == "listen":
    s.listen(8)
time.sleep(300)' "$(id -u)" "$1" &
  SQUATTER=$!
  STARTED+=($SQUATTER)
  wait_until 5 grep -q "@lexaro-$(id -u)\$" /proc/net/unix || fail "the stranger did not bind"
}
for how in bind listen; do
  squat "$how"
  start_lexaro
  wait_for_title "$MAIN_TITLE" >/dev/null || fail "a stranger's socket ($how) kept the program from starting"
  first=$LEXARO_PID
  second_copy_ends "a stranger's socket ($how)"
  [ "$(main_windows)" -eq 1 ] || fail "two copies beside a stranger's socket ($how)"
  pass "a stranger's socket ($how) neither stops nor doubles the program"
  kill "$SQUATTER" "$first"
  wait "$first" 2>/dev/null || true
  wait_until 10 windows_are 0 || fail "the main window stayed"
done

# Twenty starts at once in one session leave one copy; a second login session of the same
# user (its own session bus, the same runtime folder) gets a copy of its own.
starts=()
for _ in $(seq 20); do
  "$LEXARO_DIR/lexaro" >>"$WORK/lexaro.log" 2>&1 &
  starts+=($!)
  STARTED+=($!)
done
ended() { local n=0 p; for p in "${starts[@]}"; do not_running "$p" && n=$((n + 1)); done; [ "$n" -eq 19 ]; }
wait_until 30 ended || fail "twenty starts did not leave exactly one copy running"
win=$(wait_for_title "$MAIN_TITLE") || fail "no main window after twenty starts"
[ "$(main_windows)" -eq 1 ] || fail "more than one main window after twenty starts"
pass "twenty starts in one session left one copy with its window"
# The second session's bus is started here rather than through dbus-run-session, whose bus
# outlives it when it is stopped.
dbus-daemon --session --nofork --print-address=3 3>"$WORK/second-bus" &
STARTED+=($!)
wait_until 10 test -s "$WORK/second-bus" || fail "the second session's bus did not start"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$WORK/second-bus") "$LEXARO_DIR/lexaro" >>"$WORK/lexaro.log" 2>&1 &
STARTED+=($!)
wait_until 20 windows_are 2 || fail "a second session of the same user got no copy"
pass "a second session has its own copy"

# Starting again brings back a minimised window, restored.
xdotool windowminimize --sync "$win"
wait_until 10 windows_are 1 || fail "the window did not minimise"
"$LEXARO_DIR/lexaro" >>"$WORK/second.log" 2>&1 || fail "the start that asks for the window failed"
wait_until 10 windows_are 2 || fail "starting again did not show the minimised window"
xprop -id "$win" _NET_WM_STATE | grep -q HIDDEN && fail "the window is still minimised"
pass "starting again shows the window restored"
