#!/usr/bin/env bash
# Times the real program on a desktop of its own (Xvfb, openbox, a panel), on the bundled
# database and on the same with a million more English headwords: see desktop_timing.py.
# Usage: bench/desktop_timing.sh [build folder, default build/bench] [rounds, default 5]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build/bench}" && pwd)
rounds=${2:-5}
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${LEXARO_BENCH_SESSION:-}" ]; then
  export LEXARO_BENCH_SESSION=1
  exec dbus-run-session -- "$0" "$build" "$rounds"
fi

# The million-headword database is made once per build of the bundled one.
million="$build/bench/million-headwords.db"
if [ ! -f "$million" ] || [ "$build/Lexaro/Lexaro.db" -nt "$million" ]; then
  echo "making $million ..." >&2
  "$build/bench/bench_million_headwords" "$build/Lexaro/Lexaro.db" "$million"
fi

WORK=$(mktemp -d)
export WORK LEXARO_DIR="$WORK/bundled"
cp -r "$build/Lexaro" "$WORK/bundled"
cp -r "$build/Lexaro" "$WORK/million"
cp "$million" "$WORK/million/Lexaro.db"
mkdir -m 700 "$WORK/run" "$WORK/home"
export XDG_RUNTIME_DIR="$WORK/run" HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config"
export XDG_DATA_HOME="$WORK/home/.local/share" XDG_CACHE_HOME="$WORK/home/.cache"
unset WAYLAND_DISPLAY
source "$here/../tests/program/lib.sh"
trap 'stop_started; rm -rf "$WORK"' EXIT
start_desktop
start_panel bottom
/usr/bin/python3 "$here/desktop_timing.py" "$rounds" bundled="$WORK/bundled" million="$WORK/million"
