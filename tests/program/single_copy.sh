# Only one copy runs, whatever the environment of each: a second copy ends silently with
# status 0 and the first is not disturbed; of two started in the same instant one stays; a
# copy killed outright does not keep the next from starting.
source "$(dirname "$0")/lib.sh"
start_desktop
start_panel bottom

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
mkdir "$XDG_RUNTIME_DIR/lexaro-$(id -u).lock"
second_copy_ends "a folder where the lock file used to be"
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
wait_until 10 test -z "$(xdotool search --onlyvisible --name "^$MAIN_TITLE\$")" || fail "the main window stayed"

"$LEXARO_DIR/lexaro" >/dev/null 2>&1 & a=$!
"$LEXARO_DIR/lexaro" >/dev/null 2>&1 & b=$!
STARTED+=($a $b)
wait_for_title "$MAIN_TITLE" >/dev/null || fail "neither copy started"
one_ended() { not_running "$a" || not_running "$b"; }
wait_until 10 one_ended || fail "two copies running after a simultaneous start"
kill -0 "$a" 2>/dev/null || kill -0 "$b" 2>/dev/null || fail "both copies ended"
pass "simultaneous start left exactly one copy"
