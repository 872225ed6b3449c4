#!/usr/bin/env bash
# Starts the real executable on a virtual display with a temporary home and checks what the user
# sees: on a first use, the message box titled "ZELVANE_E_QSL" comes first; with a background
# known, the main window shows with its title. Usage: run_executable.sh <path to ZELVANE_E_QSL>
set -euo pipefail
program="$1"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# Lists the names of the top-level windows on the display, waiting up to 20 s for `expected`.
watch_for() {
  local expected="$1"
  for _ in $(seq 1 100); do
    if xwininfo -root -tree 2>/dev/null | grep -qF "\"$expected\""; then
      return 0
    fi
    sleep 0.2
  done
  echo "window \"$expected\" did not appear; windows were:" >&2
  xwininfo -root -tree >&2 || true
  return 1
}

run_once() {
  local expected="$1"
  HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=xcb "$program" &
  local pid=$!
  local status=0
  watch_for "$expected" || status=1
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  return $status
}

if [ "${2:-}" != "--on-display" ]; then
  # Re-run this script on a virtual display of its own.
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" --on-display
fi

# First use: the message box comes before the main window.
run_once "ZELVANE_E_QSL"
# A background known: the main window with its title, two blanks before the revision.
mkdir -p "$home/.config/E_QSL"
printf "[Setup%%20]\nQSL%%20de%%20fond=QSL_TRELUNE.jpg\n" > "$home/.config/E_QSL/E_QSL.ini"
run_once "ZELVANE_E-QSL Revision  1.0.4"
grep -q "Chemin%20Repertoire=" "$home/.config/E_QSL/E_QSL.ini"
echo "the program showed its first-use message, then its main window"
