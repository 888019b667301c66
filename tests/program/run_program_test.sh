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
# A test that must not run as root says so on its first line ("# As an ordinary user").
# The scripts are copied into the work folder: the checkout may lie where that user cannot read.
if [ "$(id -u)" -eq 0 ] && head -n 1 "$1" | grep -q '^# As an ordinary user'; then
  cp -r "$here" "$work/program"
  chown -R 65534:65534 "$work"
  setpriv --reuid=65534 --regid=65534 --clear-groups -- \
    dbus-run-session -- bash "$work/program/$(basename "$1")"
  exit
fi
exec dbus-run-session -- bash "$1"
