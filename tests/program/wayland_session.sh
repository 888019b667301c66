# As an ordinary user: sway refuses to run as root.
# A Wayland session of a wlroots compositor (sway, headless, with XWayland): the program's
# windows run on XWayland, and the words a native Wayland program copies (wl-copy) are looked
# up, ten in a row, through the compositor's data-control protocol: this sway hands XWayland no
# copy at all ("no seat assigned to xwayland"), so the X11 clipboard never sees them.
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
finish_checks
