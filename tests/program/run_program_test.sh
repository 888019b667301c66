#!/usr/bin/env bash
# Runs one whole-program test on a copy of the program folder, with its own session bus and
# its own home; the test starts its desktop itself (lib.sh: start_desktop, start_panel).
# A failed test leaves its logs and screenshots in the artifacts folder: the program's output,
# the X server's and the window manager's logs, the screen at the failure (failure.png). A test
# that passes leaves nothing.
# Usage: run_program_test.sh <test script> <program folder> <artifacts folder>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
script=$1 artifacts=$3
rm -rf "$artifacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$2" "$work/Lexaro"
mkdir -m 700 "$work/run" "$work/home"
export LEXARO_DIR="$work/Lexaro" WORK="$work" LEXARO_DATA="$here/../../data"
export XDG_RUNTIME_DIR="$work/run" HOME="$work/home"
export XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache"
unset DISPLAY WAYLAND_DISPLAY

# keep_artifacts: the files the test wrote beside the program folder (logs, screenshots,
# the outputs of its helpers), the large ones left out.
keep_artifacts() {
  mkdir -p "$artifacts"
  find "$work" -maxdepth 1 -type f -size -20M -exec cp -t "$artifacts" {} +
  echo "The failed test's logs and screenshots are in $artifacts" >&2
}

status=0
# A test that must not run as root says so on its first line ("# As an ordinary user").
# The scripts are copied into the work folder: the checkout may lie where that user cannot read.
if [ "$(id -u)" -eq 0 ] && head -n 1 "$script" | grep -q '^# As an ordinary user'; then
  cp -r "$here" "$work/program"
  chown -R 65534:65534 "$work"
  setpriv --reuid=65534 --regid=65534 --clear-groups -- \
    dbus-run-session -- bash "$work/program/$(basename "$script")" || status=$?
else
  dbus-run-session -- bash "$script" || status=$?
fi
[ "$status" -eq 0 ] || keep_artifacts
exit "$status"
