# Sound, speech and help as a user meets them, heard on a sound server of the test's own and
# opened through the real xdg-open: F1 and a help document, a missing document's message
# with the Critical sound, Alt+L speaking a German word, "Select a word" with the Warning
# sound, the same message in silence without the "Message box" folder, and "Check for
# updates..." from the tray menu while the main window is minimised.
source "$(dirname "$0")/lib.sh"

# The speech server the program started for itself ends with the test.
stop_speech_server() {
  local speechd="$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid"
  [ -f "$speechd" ] && kill "$(cat "$speechd")" 2>/dev/null
}
AT_EXIT+=(stop_speech_server)

# A desktop with a window manager, to minimise and close windows as a desktop does, and a
# notification area.
start_desktop
start_panel bottom

# --- The sound server: a null sink whose monitor the test records, and sox to measure it.
export HOME="$WORK" PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse.sock"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
  --load="module-null-sink sink_name=test" \
  --load="module-native-protocol-unix auth-anonymous=1 socket=$XDG_RUNTIME_DIR/pulse.sock" \
  >"$WORK/pulse.log" 2>&1 &
STARTED+=($!)
wait_until 10 pactl info >/dev/null 2>&1 || fail "the sound server did not start"
pactl set-default-sink test

# record NAME: records into NAME.raw, which exists on return (the background job opens it later).
record() {
  : >"$WORK/$1.raw"
  parec -d test.monitor --format=s16le --rate=22050 --channels=1 >>"$WORK/$1.raw" &
  REC_PID=$!
}
stop_recording() { kill "$REC_PID" 2>/dev/null || true; wait "$REC_PID" 2>/dev/null || true; }
# sound NAME|FILE.wav [sox arguments]: sox on a recording or on one of the program's sounds.
sound() {
  local file=$1; shift
  if [[ "$file" == *.wav ]]; then sox "$file" "$@"
  else sox -t raw -r 22050 -e signed -b 16 -c 1 "$WORK/$file.raw" "$@"; fi
}
peak() { sound "$1" -n "${@:2}" stat 2>&1 | awk -F: '/Maximum amplitude/ { print $2 + 0 }'; }
is_loud() { awk -v a="$(peak "$1")" 'BEGIN { exit !(a > 0.05) }'; }
has_ended() { awk -v a="$(peak "$1" trim -0.5)" 'BEGIN { exit !(a != "" && a < 0.01) }'; }
# The strongest frequency, which tells the program's sounds apart.
pitch() { sound "$1" -n stat -freq 2>&1 | awk 'NF == 2 && $1 + 0 > 0 && $2 + 0 > m { m = $2 + 0; f = $1 } END { printf "%.0f", f }'; }
same_pitch() { awk -v a="$(pitch "$1")" -v b="$(pitch "$2")" 'BEGIN { exit !(b > 0 && a / b > 0.95 && a / b < 1.05) }'; }
# hear NAME SOUND_FILE: the recording holds that sound, heard to its end.
hear() {
  wait_until 10 is_loud "$1" || fail "$1: nothing was heard"
  wait_until 10 has_ended "$1" || fail "$1: the sound did not end"
  stop_recording
  same_pitch "$1" "$2" || fail "$1: heard $(pitch "$1") Hz, not the $(pitch "$2") Hz of $(basename "$2")"
}

# --- The desktop's default PDF viewer and browser only record what they are given.
export XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data"
unset BROWSER XDG_CURRENT_DESKTOP
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/applications"
printf '#!/bin/sh\nprintf "%%s\\n" "$2" >>"%s/opened-$1.txt"\n' "$WORK" >"$WORK/record-open"
chmod +x "$WORK/record-open"
printf '[Desktop Entry]\nType=Application\nName=PDF\nExec=%s pdf %%f\nMimeType=application/pdf;\n' \
  "$WORK/record-open" >"$XDG_DATA_HOME/applications/record-pdf.desktop"
printf '[Desktop Entry]\nType=Application\nName=Web\nExec=%s browser %%u\nMimeType=x-scheme-handler/https;\n' \
  "$WORK/record-open" >"$XDG_DATA_HOME/applications/record-browser.desktop"
printf '[Default Applications]\napplication/pdf=record-pdf.desktop\nx-scheme-handler/https=record-browser.desktop\n' \
  >"$XDG_CONFIG_HOME/mimeapps.list"
opened() { cat "$WORK/opened-$1.txt" 2>/dev/null || true; }
opened_at_least() { [ "$(opened "$1" | wc -l)" -ge "$2" ]; }

# The build ships the documents; a bare one stands in where it does not yet.
help_dir="$LEXARO_DIR/Help and support"
if [ ! -f "$help_dir/Add word.pdf" ]; then
  mkdir -p "$help_dir"
  printf '%%PDF-1.4\n1 0 obj << /Type /Catalog >> endobj\ntrailer << /Root 1 0 R >>\n%%%%EOF\n' \
    >"$help_dir/Add word.pdf"
fi

# --- The program's windows.
# origin WINDOW: X and Y of its client area (xdotool's figure is off by the frame).
origin() {
  local info
  info=$(xwininfo -id "$1")
  X=$(awk '/Absolute upper-left X/ { print $4 }' <<<"$info")
  Y=$(awk '/Absolute upper-left Y/ { print $4 }' <<<"$info")
}
# windows: "id width height name" of each visible window of the program.
windows() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$LEXARO_PID" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
    echo "$id $WIDTH $HEIGHT $(xdotool getwindowname "$id" 2>/dev/null)"
  done
}
# awk reads to the end: one that leaves early makes `windows` die of a broken pipe, and pipefail
# takes that for no window.
message_box() { windows | awk '!f && $2 == 449 && $3 == 185 { print $1; f = 1 } END { exit !f }'; }
no_message_box() { ! message_box >/dev/null; }
# The icon is the small window named Lexaro (tooltips have no name); with the main window
# minimised the menu is the program's only tall window.
tray_icon() { windows | awk '!f && $2 <= 64 && $3 <= 64 && $4 == "Lexaro" { print $1; f = 1 } END { exit !f }'; }
menu_open() { windows | awk '$3 >= 100 { f = 1 } END { exit !f }'; }
menu_closed() { ! menu_open; }
no_help_window() { ! xdotool search --onlyvisible --name '^Help and support$' >/dev/null 2>&1; }
# activate WINDOW: waits until it has the keyboard, so keys (alt+F4 above all) go to it.
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
activate() {
  xdotool windowactivate "$1" 2>/dev/null || true
  wait_until 10 is_active "$1" || fail "window $1 did not come to the front"
}
close_message_box() {
  local box
  box=$(message_box) || fail "no message box to close"
  activate "$box"
  xdotool key Return
  wait_until 10 no_message_box || fail "Enter did not close the message box"
}
# A click in the moment the last menu closes is still that menu's: click until it opens, and
# from elsewhere, so that no tooltip of the icon stands under the pointer.
click_icon_until_menu() {
  local try
  for try in 1 2 3 4 5; do
    xdotool mousemove 640 300 mousemove $((X + 11)) $((Y + 11)) click 3
    wait_until 2 menu_open && return 0
  done
  return 1
}

start_lexaro
win=$(wait_for_title "$MAIN_TITLE") || fail "the main window did not appear"
activate "$win"

# --- F1, then a document: exactly its path reaches the desktop's PDF viewer.
xdotool key F1
help=$(wait_for_title "Help and support") || fail "F1 did not open the help window"
origin "$help"
# "Add word": the menu panel starts 58 pixels down, the label 112 pixels into it.
add_word=($((X + 40)) $((Y + 58 + 120)))
xdotool mousemove "${add_word[@]}" click 1
wait_until 10 opened_at_least pdf 1 || fail "the document was not handed to the PDF viewer"
[ "$(opened pdf)" = "$help_dir/Add word.pdf" ] || fail "the PDF viewer got: $(opened pdf)"
pass "F1 and Add word: the desktop's PDF viewer got $(opened pdf)"
screenshot help

# --- Without the folder: the document's message, with the Critical sound.
rm -r "$help_dir"
record critical
xdotool mousemove "${add_word[@]}" click 1
wait_until 10 message_box >/dev/null || fail "no message for the missing document"
hear critical "$LEXARO_DIR/Message box/Critical.wav"
[ "$(opened pdf | wc -l)" -eq 1 ] || fail "a missing document was handed on"
pass "missing document: its message box and the Critical sound"
close_message_box
activate "$help"
xdotool key alt+F4
wait_until 10 no_help_window || fail "the help window did not close"

# --- Alt+L speaks the German word.
activate "$win"
origin "$win"
xdotool mousemove $((X + 28)) $((Y + 334)) click 1 # the German picture
xdotool type --delay 40 "Haus"
record speech
xdotool key alt+l
wait_until 20 is_loud speech || fail "Alt+L spoke nothing"
wait_until 20 has_ended speech || fail "the speech did not end"
stop_recording
message_box >/dev/null && fail "Alt+L on a word gave a message"
pass "Alt+L: Haus was spoken (peak $(peak speech))"

# --- Alt+L with an empty search box: "Select a word" and the Warning sound.
xdotool key ctrl+a BackSpace
record warning
xdotool key alt+l
wait_until 10 message_box >/dev/null || fail "no message for an empty search box"
hear warning "$LEXARO_DIR/Message box/Warning.wav"
pass "empty search box: its message box and the Warning sound"
close_message_box

# --- Without the "Message box" folder the message shows in silence.
quiet_for=$(sox "$LEXARO_DIR/Message box/Warning.wav" -n stat 2>&1 | awk -F: '/Length/ { print $2 + 1 }')
rm -r "$LEXARO_DIR/Message box"
activate "$win"
record silence
xdotool key alt+l
wait_until 10 message_box >/dev/null || fail "no message without the sounds"
sleep "$quiet_for" # as long as the sound would have played, and a second more
stop_recording
is_loud silence && fail "a sound played without its folder (peak $(peak silence))"
pass "no sound files: the message shows, silently"
close_message_box

# --- "Check for updates..." from the tray menu, twice, with the main window minimised.
xdotool windowminimize --sync "$win"
icon=$(tray_icon) || fail "no icon in the notification area"
origin "$icon"
for n in 1 2; do
  click_icon_until_menu || fail "no menu on right click"
  xdotool key Up Up Return
  wait_until 10 opened_at_least browser $n || fail "choice $n did not reach the browser"
  wait_until 10 menu_closed || fail "the menu stayed open"
done
[ "$(opened browser)" = "$(printf 'https://weblog.orvenda.example/Lexaro\nhttps://weblog.orvenda.example/Lexaro')" ] \
  || fail "the browser got: $(opened browser)"
xdotool search --onlyvisible --name "^$MAIN_TITLE\$" >/dev/null 2>&1 && fail "the main window came back"
pass "Check for updates: the address went to the browser each time; the window stayed minimised"

# --- Twenty pop-ups in a row, each with its notification sound (a reused sound object fell
# silent after a few plays).
bytes_recorded() { stat -c %s "$WORK/popups.raw"; }
# loud_since BYTES / quiet_since BYTES: the recording after that many bytes holds a sound /
# ends in half a second of silence after one.
level_since() {
  "$PYTHON" - "$WORK/popups.raw" "$1" "$2" <<'PY'
import array, sys
a = array.array("h")
with open(sys.argv[1], "rb") as f:
    f.seek(int(sys.argv[2]) & ~1)
    a.frombytes(f.read())
loud = [i for i, x in enumerate(a) if abs(x) > 1600]
if sys.argv[3] == "loud":
    sys.exit(0 if loud else 1)
sys.exit(0 if loud and len(a) - loud[-1] > 11025 else 1)
PY
}
popup() { xdotool search --onlyvisible --name "^$MAIN_TITLE notification\$" 2>/dev/null | head -n 1; }
no_popup() { [ -z "$(popup)" ]; }
record popups
heard=0
for word in $(grep -P -m 20 '^[a-z]{4,}\t' "$LEXARO_DATA/English_to_Persian.tsv" | cut -f1); do
  from=$(bytes_recorded)
  printf '%s' "$word" | xclip -selection clipboard
  wait_until 10 eval '[ -n "$(popup)" ]' || fail "no pop-up for $word"
  if wait_until 5 level_since "$from" loud; then
    heard=$((heard + 1))
    wait_until 5 level_since "$from" quiet || fail "the sound for $word did not end"
  fi
  origin "$(popup)"
  xdotool mousemove $((X + 505)) $((Y + 22)) click 1 # the arrow
  wait_until 10 no_popup || fail "the arrow did not close the pop-up for $word"
done
stop_recording
[ "$heard" -eq 20 ] || fail "$heard of 20 pop-ups were heard"
pass "20 pop-ups in a row, 20 notification sounds heard"
