#!/usr/bin/env bash
# Figures of the clipboard watch on a desktop like a user's: Xvfb, openbox and a panel.
# First bench_clipboard_latency, then the processor time the real program uses while it
# watches the clipboard of an idle desktop for 60 seconds.
# Usage: bench/clipboard_watch.sh [build folder, default build/bench]
set -euo pipefail
build=$(cd "${1:-build/bench}" && pwd)
if [ -z "${LEXARO_BENCH_DESKTOP:-}" ]; then
  export LEXARO_BENCH_DESKTOP=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build"
fi

openbox --sm-disable >/dev/null 2>&1 &
openbox=$!
trayer --edge bottom --align right --widthtype pixel --width 160 --heighttype pixel --height 28 \
  --SetDockType true --SetPartialStrut true --expand false >/dev/null 2>&1 &
panel=$!
work=$(mktemp -d)
trap 'kill $openbox $panel 2>/dev/null || true; rm -rf "$work"' EXIT
sleep 2

"$build/bench/bench_clipboard_latency"

cp -r "$build/Lexaro" "$work/Lexaro"
XDG_RUNTIME_DIR="$work" "$work/Lexaro/lexaro" >/dev/null 2>&1 &
lexaro=$!
win=""
for _ in $(seq 100); do
  win=$(xdotool search --onlyvisible --name '^Orvenda Lexaro 2019$' 2>/dev/null | head -n 1) && [ -n "$win" ] && break
  sleep 0.1
done
cpu() { awk '{ print $14 + $15 }' "/proc/$lexaro/stat"; }
switches() { cat /proc/"$lexaro"/task/*/status | awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n }'; }
# idle LABEL: the program's processor time and its threads' wake-ups over 60 idle seconds.
idle() {
  local ticks0 switches0 ticks1 switches1
  ticks0=$(cpu) switches0=$(switches)
  sleep 60
  ticks1=$(cpu) switches1=$(switches)
  awk -v t=$((ticks1 - ticks0)) -v hz="$(getconf CLK_TCK)" -v s=$((switches1 - switches0)) -v what="$1" 'BEGIN {
    printf "idle for 60 s, %s: %.0f ms of processor time (%.3f %% of one core), %d thread wake-ups\n",
           what, t * 1000 / hz, t * 100 / hz / 60, s }'
}
sleep 5 # past the start
idle "main window open with the focus in its search box"
xdotool windowminimize "$win"
sleep 2
idle "main window minimised, the user at work elsewhere"
kill $lexaro
