#!/usr/bin/env bash
# Inside the test's X server: start a notification area (except for the test of a desktop
# without one), then the test script.
set -euo pipefail
tray=""
if [ "$(basename "$1")" != no_tray.sh ]; then
  trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 \
    --SetDockType true --expand false >/dev/null 2>&1 &
  tray=$!
  for _ in $(seq 50); do
    xdotool search --class trayer >/dev/null 2>&1 && break
    sleep 0.1
  done
fi
status=0
bash "$1" || status=$?
[ -z "$tray" ] || kill "$tray" 2>/dev/null || true
exit $status
