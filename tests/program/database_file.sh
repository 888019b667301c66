# The database file: without it (or with a link to nowhere) the program shows only the
# start-up message box and Enter ends it with a non-zero status; a link to a real database
# in another folder is followed; a database cut short while the program runs does not end it,
# and a look-up that fails shows the not-found text, not the translation shown before.
source "$(dirname "$0")/lib.sh"
start_desktop
start_panel bottom

# refused DESCRIPTION: the program shows the start-up box, no main window and creates no
# file; Enter ends it with a non-zero status.
refused() {
  local box=""
  start_lexaro
  wait_until 20 xdotool search --onlyvisible --pid "$LEXARO_PID" || fail "no message box ($1)"
  box=$(xdotool search --onlyvisible --pid "$LEXARO_PID" | head -n 1)
  eval "$(xdotool getwindowgeometry --shell "$box")"
  [ "${WIDTH}x$HEIGHT" = 449x185 ] || fail "message box size ${WIDTH}x$HEIGHT ($1)"
  xdotool search --onlyvisible --name "^$MAIN_TITLE\$" >/dev/null && fail "the main window appeared ($1)"
  focus "$box"
  press_keys Return
  wait_for_exit "$LEXARO_PID" 10 || fail "Enter did not end the program ($1)"
  [ "$EXIT_STATUS" -ne 0 ] || fail "the program ended with status 0 ($1)"
  pass "$1: message box, no main window, Enter ended the program with status $EXIT_STATUS"
}

mkdir "$WORK/synced"
mv "$LEXARO_DIR/Lexaro.db" "$WORK/synced/Lexaro.db"
refused "no database"
[ -e "$LEXARO_DIR/Lexaro.db" ] && fail "a database file was created"
ln -s "$WORK/synced/nowhere.db" "$LEXARO_DIR/Lexaro.db"
refused "a link to nowhere"
[ -e "$WORK/synced/nowhere.db" ] && fail "a database file was created where the link points"
pass "no file created"

ln -sf "$WORK/synced/Lexaro.db" "$LEXARO_DIR/Lexaro.db"
start_lexaro
win=$(wait_for_title "$MAIN_TITLE") || fail "a linked database was refused"
focus "$win"
xdotool type --delay 40 house
wait_for_search_box house || fail "the search box did not take the word"
atspi text Translation >"$WORK/translation.txt"
grep -q . "$WORK/translation.txt" || fail "no translation shown"
pass "linked database opened and looked up"

# Locked by another program: typing stays fluid (before, each letter waited 4 s), the
# translation box says not found, and the translation comes back once the lock is gone.
hold_lock "$WORK/synced/Lexaro.db"
press_keys BackSpace BackSpace BackSpace BackSpace BackSpace
xdotool type --delay 40 house
atspi wait-text --timeout 6 --role "combo box" "*" house || fail "typing under a lock was slow"
atspi wait-text --timeout 6 Translation "اين واژه در بانک اطلاعاتي برنامه موجود نيست" \
  || fail "under a lock the translation box did not say not found"
kill "$locker"
wait "$locker" 2>/dev/null || true
press_keys BackSpace
xdotool type e
printf '%s' "$(cat "$WORK/translation.txt")" >"$WORK/house.txt"
atspi wait-text --timeout 6 Translation --file "$WORK/house.txt" \
  || fail "the translation did not come back after the lock"
pass "typing under another program's lock stays fluid"

# Cut short under the running program: the next keystroke's look-up fails, no more.
still_answers() {
  wait_for_search_box "$1" && return 0
  kill -0 "$LEXARO_PID" 2>/dev/null || fail "the program ended when its database was cut short"
  fail "the program stopped answering after its database was cut short"
}
truncate -s 0 "$WORK/synced/Lexaro.db"
press_keys s
still_answers houses
# The look-up failed: the translation of house must not stand under houses.
not_found=$'\u0627\u064A\u0646 \u0648\u0627\u0698\u0647 \u062F\u0631 \u0628\u0627\u0646\u06A9 \u0627\u0637\u0644\u0627\u0639\u0627\u062A\u064A \u0628\u0631\u0646\u0627\u0645\u0647 \u0645\u0648\u062C\u0648\u062F \u0646\u064A\u0633\u062A'
atspi wait-text Translation "$not_found" || fail "a failed look-up left another word's translation shown"
press_keys BackSpace
still_answers house
pass "database cut short: the program still answers, with the not-found text"
screenshot database_cut_short
