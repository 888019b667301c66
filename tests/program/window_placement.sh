# Where the main window opens, its frame counted, under a real window manager with a panel:
# centred on the screen when it fits; at the top-left corner of the work area when it does
# not (an 800x600 screen).
source "$(dirname "$0")/lib.sh"

start_desktop 1280x1024
start_panel bottom
start_lexaro
win=$(wait_for_title "$MAIN_TITLE") || fail "the main window did not appear"
read -r fx fy fw fh < <(frame_geometry "$win")
read -r sw sh < <(screen_size)
dx=$((2 * fx + fw - sw))
dy=$((2 * fy + fh - sh))
# Twice the distance between the centres, so that odd sizes need no rounding: two pixels.
if [ "${dx#-}" -le 4 ] && [ "${dy#-}" -le 4 ]; then
  pass "frame ${fw}x$fh centred on the screen"
else
  note_failure "frame ${fw}x$fh at $fx,$fy is not centred on the ${sw}x$sh screen"
fi
stop_desktop

start_desktop 800x600
start_panel top
start_lexaro
win=$(wait_for_title "$MAIN_TITLE") || fail "the main window did not appear on 800x600"
screenshot small_screen
read -r fx fy fw fh < <(frame_geometry "$win")
read -r ax ay aw ah < <(work_area)
if [ "$fx" -eq "$ax" ] && [ "$fy" -eq "$ay" ]; then
  pass "frame at the top-left corner of the work area on 800x600"
else
  note_failure "frame ${fw}x$fh at $fx,$fy, not at the work area's corner $ax,$ay (work area ${aw}x$ah)"
fi
finish_checks
