#!/usr/bin/env bash
# Drives the real executable on a virtual display (xdotool) as a user does, through failures that
# hold for root too: 1. a folder in place of the settings file; 2. "E_QSL" replaced by a file
# before "Enregistrer les QSL". Usage: drive_program.sh <path to ZELVANE_E_QSL>
set -euo pipefail
program="$1"
work=$(mktemp -d)
pid="" xvfb=""
cleanup() {
  local status=$?
  for p in $pid $xvfb; do { kill "$p" && wait "$p"; } 2>/dev/null || true; done
  [ "$status" -ne 0 ] && [ -f "$work/program.log" ] && cat "$work/program.log" >&2
  rm -rf "$work"
}
trap cleanup EXIT
# A virtual display of its own (the server picks a free number), not reset between the runs.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
fail() { echo "FAIL: $*" >&2; exit 1; }

kMessage='^ZELVANE_E_QSL$'
kMain='^ZELVANE_E-QSL Revision  [0-9.]+$'
kPicking='^Sélection des QSO$'

# The id of the visible window whose name matches, waiting up to 60 s for a busy machine.
window() {
  for _ in $(seq 1 300); do
    local id
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && echo "$id" && return 0
    sleep 0.2
  done
  xdotool search --onlyvisible --name . getwindowname %@ >&2 || true
  fail "no window \"$1\""
}
# Fails when a window whose name matches is still visible after 2 s.
none() {
  sleep 2
  ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || fail "unexpected window \"$1\""
}
answer_message() {
  local id
  id=$(window "$kMessage")
  xdotool windowfocus --sync "$id" key Return && sleep 0.5
}
click() {
  local id
  id=$(window "$1")
  xdotool mousemove --window "$id" "$2" "$3" click 1
}
start() {
  HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=xcb "$work/prog/ZELVANE_E_QSL" \
    >"$work/program.log" 2>&1 &
  pid=$!
}
stop() { kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; pid=""; }

# The program runs from a folder of its own, which holds its output folder "E_QSL".
mkdir -p "$work/prog" "$work/home/.config/E_QSL"
cp "$program" "$work/prog/"
cp "$(dirname "$program")/E_QSL/QSL_TRELUNE.jpg" "$work/fond.jpg"
settings="$work/home/.config/E_QSL/E_QSL.ini"

# 1.
mkdir "$settings"
start
answer_message
answer_message
window "$kMain" >/dev/null
none "$kMessage"
click "$kMain" 277 10 # "Langue", then "Anglais"
sleep 0.5
xdotool key Down Down Return
answer_message
none "$kMessage"
window "$kMain" >/dev/null
stop
echo "settings that cannot be saved: told at start-up and for the language, the program goes on"

# 2.
rmdir "$settings"
printf '[Setup%%20]\nQSL%%20de%%20fond=%s\n' "$work/fond.jpg" >"$settings"
printf '<EOH>\r\n<CALL:5>F4XYZ <QSO_DATE:8>20240315 <TIME_ON:4>1405 <BAND:3>20M <MODE:3>SSB <EOR>\r\n' >"$work/journal.adi"
start
window "$kMain" >/dev/null
none "$kMessage"
grep -qxF "Chemin%20Repertoire=$work/prog" "$settings" || fail "program folder not recorded"
rm -r "$work/prog/E_QSL"
echo "not a folder" >"$work/prog/E_QSL"
click "$kMain" 172 143 # "Sélectionnez"
dialog=$(window '^(Open|Ouvrir)$')
xdotool windowfocus --sync "$dialog" type --delay 5 "$work/journal.adi"
xdotool key Return
click "$kPicking" 108 608 # "Tout "
click "$kPicking" 412 608 # "Enregistrer les QSL"
window '^Aperçu des E- QSL$' >/dev/null
answer_message
none "$kMessage"
window "$kPicking" >/dev/null
[ -f "$work/prog/E_QSL" ] && [ -z "$(find "$work" -name '*.bmp')" ] || fail "a card was written"
stop
echo "cards that cannot be saved: told once, no saved-cards message, the picking window back"
