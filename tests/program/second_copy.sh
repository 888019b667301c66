# A second copy ends silently with status 0 and the first keeps running; of two copies
# started in the same instant exactly one stays.
source "$(dirname "$0")/lib.sh"
start_lexaro
first=$LEXARO_PID
trap stop_lexaro EXIT
wait_for_title "$MAIN_TITLE" >/dev/null || fail "the first copy did not start"
"$LEXARO_DIR/lexaro" >/dev/null 2>&1 & second=$!
wait_for_exit "$second" 10 || fail "the second copy kept running"
[ "$EXIT_STATUS" -eq 0 ] || fail "the second copy ended with status $EXIT_STATUS"
kill -0 "$first" || fail "the first copy was disturbed"
[ "$(xdotool search --onlyvisible --name "^$MAIN_TITLE\$" | wc -l)" -eq 1 ] || fail "more than one main window"
pass "second copy ended with status 0, first still running"
stop_lexaro

"$LEXARO_DIR/lexaro" >/dev/null 2>&1 & a=$!
"$LEXARO_DIR/lexaro" >/dev/null 2>&1 & b=$!
wait_for_title "$MAIN_TITLE" >/dev/null || fail "neither copy started"
sleep 1
running=0
for p in $a $b; do kill -0 "$p" 2>/dev/null && running=$((running + 1)); done
[ "$running" -eq 1 ] || fail "$running copies running after a simultaneous start"
pass "simultaneous start left exactly one copy"
kill $a $b 2>/dev/null || true
