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
ls -l "/proc/$LEXARO_PID/fd" | grep "$prefix/lib/lexaro/Lexaro.db" >/dev/null \
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

# A staged install, as a package is built: every file once under DESTDIR, each in the
# manifest, and nothing else.
stage="$WORK/stage"
DESTDIR="$stage" cmake --install "$LEXARO_BUILD_DIR" --prefix /usr >"$WORK/staged.log" \
  || fail "staged install: $(tail -n 5 "$WORK/staged.log")"
[ ! -e "$stage$stage" ] || fail "the staged install doubled DESTDIR"
[ -f "$stage/usr/lib/lexaro/Lexaro.db" ] || fail "the staged install has no database"
grep -qx "Exec=/usr/bin/lexaro" "$stage/usr/share/applications/$app.desktop" \
  || fail "the staged entry does not start /usr/bin/lexaro"
sort "$LEXARO_BUILD_DIR/install_manifest.txt" >"$WORK/manifest"
(find "$stage" -type f -o -type l) | sed "s|^$stage||" | sort >"$WORK/staged-files"
diff "$WORK/manifest" "$WORK/staged-files" >"$WORK/manifest.diff" \
  || fail "the manifest and the staged files differ: $(cat "$WORK/manifest.diff")"
pass "a staged install puts every file under DESTDIR once, all in the manifest"

# Uninstalling the per-user install removes every file it wrote but the user's words.
cmake --install "$LEXARO_BUILD_DIR" --prefix "$prefix" >"$WORK/install.log" || fail "third install"
mkdir -p "$XDG_DATA_HOME/lexaro" "$XDG_CONFIG_HOME/autostart"
cp "$LEXARO_BUILD_DIR/install_manifest.txt" "$XDG_DATA_HOME/lexaro/install_manifest.txt"
cp "$prefix/share/lexaro/autostart/$app.desktop" "$XDG_CONFIG_HOME/autostart/"
desktop-file-validate "$XDG_CONFIG_HOME/autostart/$app.desktop" || fail "the session start entry"
"$PROGRAM_TESTS/../../scripts/uninstall" >"$WORK/uninstall.log" || fail "uninstall: $(cat "$WORK/uninstall.log")"
left=$(find "$prefix" -type f -o -type l)
[ "$left" = "$prefix/lib/lexaro/Lexaro.db" ] || fail "uninstall left: $left"
[ ! -e "$XDG_CONFIG_HOME/autostart/$app.desktop" ] || fail "uninstall left the session start entry"
pass "uninstall removes everything but the words"
