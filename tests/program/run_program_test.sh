#!/usr/bin/env bash
# Runs one whole-program test on a copy of the program folder, with its own session bus and
# its own home; the test starts its desktop itself (lib.sh: start_desktop, start_panel).
# Usage: run_program_test.sh <test script> <program folder>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$2" "$work/Lexaro"
mkdir -m 700 "$work/run" "$work/home"
export LEXARO_DIR="$work/Lexaro" WORK="$work" LEXARO_DATA="$here/../../data"
export XDG_RUNTIME_DIR="$work/run" HOME="$work/home"
export XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache"
unset DISPLAY WAYLAND_DISPLAY
exec dbus-run-session -- bash "$1"
