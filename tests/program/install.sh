# Installs the build into a fresh prefix as a user would into ~/.local, checks what a desktop
# needs (entry, icons, metainfo, both commands), starts the installed program, and installs
# again over a database the user has added words to.
source "$(dirname "$0")/lib.sh"
[ -n "${LEXARO_BUILD_DIR:-}" ] || fail "LEXARO_BUILD_DIR is not set"
prefix="$WORK/prefix"
app=example.orvenda.Lexaro
cmake --install "$LEXARO_BUILD_DIR" --prefix "$prefix" >"$WORK/install.log" \
  || fail "cmake --install failed: $(tail -n 5 "$WORK/install.log")"

entry="$prefix/share/applications/$app.desktop"
desktop-file-validate "$entry" || fail "desktop entry"
grep -qx "Exec=$prefix/bin/lexaro" "$entry" || fail "the entry does not start $prefix/bin/lexaro"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" >"$WORK/appstream.log" \
  || fail "metainfo: $(cat "$WORK/appstream.log")"
for size in 16 22 24 32 48 64 128 256 512; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$app.png"
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "icon $icon"
done
[ -s "$prefix/share/icons/hicolor/scalable/apps/$app.svg" ] || fail "no scalable icon"
pass "desktop entry, metainfo and icons valid"

# The command finds the database beside the program it links to, and may write to it.
printf 'lexaroinstalltest\tآزمایش\n' >"$WORK/word.tsv"
"$prefix/bin/lexaro-words" import English "$WORK/word.tsv" >/dev/null || fail "import into the installed database"
[ "$("$prefix/bin/lexaro-words" lookup English lexaroinstalltest)" = "آزمایش" ] \
  || fail "the installed database does not hold the word"
pass "lexaro-words works on the installed database"

# The installed program starts on that database, on a desktop of its own.
start_desktop
"$prefix/bin/lexaro" >"$WORK/installed.log" 2>&1 &
LEXARO_PID=$!
win=$(wait_for_title "$MAIN_TITLE") || fail "the installed program showed no main window"
[ "$(readlink "/proc/$LEXARO_PID/exe")" = "$prefix/lib/lexaro/lexaro" ] || fail "not the installed program"
ls -l "/proc/$LEXARO_PID/fd" | grep -q "$prefix/lib/lexaro/Lexaro.db" \
  || fail "the program did not open the installed database"
wm_class=$(xprop -id "$win" WM_CLASS | sed -n 's/.*= "\([^"]*\)", "\([^"]*\)"/\2/p')
grep -qx "StartupWMClass=$wm_class" "$entry" || fail "the window's class $wm_class is not the entry's"
pass "the installed program started on its database"
kill "$LEXARO_PID"
wait_for_exit "$LEXARO_PID" 10 || fail "the installed program did not end"

# Installing again keeps the user's words.
cmake --install "$LEXARO_BUILD_DIR" --prefix "$prefix" >"$WORK/install.log" || fail "second install"
[ "$("$prefix/bin/lexaro-words" lookup English lexaroinstalltest)" = "آزمایش" ] \
  || fail "installing again replaced the user's database"
pass "a second install keeps the database"
