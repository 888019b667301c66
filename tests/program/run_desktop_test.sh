#!/usr/bin/env bash
# Runs one whole-program test on a copy of the program folder, inside its own X server
# (Xvfb), session bus and window manager (openbox). The test starts its own panels.
# Usage: run_desktop_test.sh <test script> <program folder>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$2" "$work/Lexaro"
mkdir -m 700 "$work/run"
export LEXARO_DIR="$work/Lexaro" XDG_RUNTIME_DIR="$work/run" WORK="$work"
export LEXARO_DATA="$here/../../data"
exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash "$1"
