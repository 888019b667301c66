# As an ordinary user: sway refuses to run as root.
# Wayland sessions, headless, with XWayland. Under sway (wlroots) the program's windows run on
# XWayland, and the words a native Wayland program copies (wl-copy) are looked up, ten in a row,
# through the compositor's data-control protocol: this sway hands XWayland no copy at all ("no
# seat assigned to xwayland"), so the X11 clipboard never sees them. Under mutter (GNOME), with
# an icon in a D-Bus panel, the minimised main window is hidden at the first copy and every
# later copy still shows in the pop-up.
source "$(dirname "$0")/lib.sh"
mkdir -p "$WORK/sway"
printf 'xwayland enable\noutput HEADLESS-1 resolution 1280x800\n' >"$WORK/sway/config"
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -d -c "$WORK/sway/config" >"$WORK/sway.log" 2>&1 &
STARTED+=($!)
sway_socket() { ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock; }
wait_until 10 sway_socket || fail "sway did not start: $(tail -n 5 "$WORK/sway.log")"
export SWAYSOCK=$(sway_socket)
# The session's own names for its displays, as sway gives them to the programs it starts.
swaymsg "exec env > $WORK/session.env" >/dev/null
wait_until 10 grep -q '^DISPLAY=' "$WORK/session.env" || fail "sway started no XWayland"
export WAYLAND_DISPLAY=$(sed -n 's/^WAYLAND_DISPLAY=//p' "$WORK/session.env")
export DISPLAY=$(sed -n 's/^DISPLAY=//p' "$WORK/session.env")
unset QT_QPA_PLATFORM

start_lexaro
wait_until 20 xdotool search --name "^$MAIN_TITLE\$" ||
  fail "no main window on XWayland: $(cat "$WORK/lexaro.log")"
for word in house water tree book door window city night friend story; do
  wl-copy "$word"
  wait_for_search_box "$word" ||
    fail "the copy of $word in a Wayland program was not looked up (search box: $(search_box_text))"
done
pass "ten words copied in a native Wayland program looked up, each in turn"
grep -q "no seat assigned to xwayland" "$WORK/sway.log" ||
  note_failure "this sway hands copies to XWayland: the check above may have passed through X11"
stop_started
STARTED=()

"$PYTHON" "$PROGRAM_TESTS/sni_host.py" serve "$WORK/sni-items" >"$WORK/sni.log" 2>&1 &
STARTED+=($!)
mutter --wayland --headless --virtual-monitor 1280x800 --wayland-display=wayland-gnome \
  >"$WORK/mutter.log" 2>&1 &
STARTED+=($!)
wait_until 20 grep -q 'Using public X11 display' "$WORK/mutter.log" ||
  fail "mutter did not start: $(tail -n 5 "$WORK/mutter.log")"
export WAYLAND_DISPLAY=wayland-gnome
export DISPLAY=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$WORK/mutter.log")
export XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* | head -n 1)
start_lexaro
win=$(wait_for_title "$MAIN_TITLE") || fail "no main window under mutter: $(cat "$WORK/lexaro.log")"
wait_until 10 grep -q . "$WORK/sni-items" || fail "no icon in the D-Bus panel under mutter"
timeout 10 xdotool windowminimize --sync "$win" || fail "the main window was not minimised"
for word in house water tree; do
  printf '%s' "$word" | xclip -selection clipboard
  atspi wait-text "The word searched" "$word" ||
    fail "under mutter the copy of $word did not reach the pop-up (main window: $(search_box_text))"
done
! is_viewable "$win" || fail "the main window was not hidden though an icon is shown"
pass "under mutter each copy shows in the pop-up while the main window is hidden"
finish_checks
