#!/usr/bin/env bash
# Drives the real executable on a virtual display (xdotool) where the world fails, in ways that
# hold for root too, and checks what the user goes through:
#  - a folder in place of the settings file: start-up, then the language menu, each tell it in
#    one message box, and the program goes on;
#  - "E_QSL" replaced by a regular file before "Enregistrer les QSL": one message box tells of the
#    cards not saved, no saved-cards message follows, and the picking window comes back.
# Usage: failures.sh <path to ZELVANE_E_QSL>
set -euo pipefail
program="$1"
if [ "${2:-}" != "--on-display" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" --on-display
fi
work=$(mktemp -d)
pid=""
cleanup() {
  local status=$?
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  if [ "$status" -ne 0 ] && [ -f "$work/program.log" ]; then
    echo "the program's output:" >&2
    cat "$work/program.log" >&2
  fi
  rm -rf "$work"
}
trap cleanup EXIT

kMessage='^ZELVANE_E_QSL$'
kMain='^ZELVANE_E-QSL Revision'

# The id of the visible window whose name matches, waiting up to 60 s (a busy machine starts the
# program slowly); fails when none comes.
window() {
  for _ in $(seq 1 300); do
    local id
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.2
  done
  echo "no window \"$1\"; windows were:" >&2
  xdotool search --onlyvisible --name . getwindowname %@ >&2 || true
  return 1
}

# Fails when a window whose name matches is still visible after 2 s.
none() {
  sleep 2
  if xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; then
    echo "unexpected window \"$1\"" >&2
    return 1
  fi
}

# Answers the message box that is shown with its OK button (the Return key).
answer_message() {
  local id
  id=$(window "$kMessage")
  xdotool windowfocus --sync "$id" key Return
  sleep 0.5
}

click() { # window-name x y
  local id
  id=$(window "$1")
  xdotool mousemove --window "$id" "$2" "$3" click 1
}

start() {
  HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=xcb "$work/prog/ZELVANE_E_QSL" \
    >"$work/program.log" 2>&1 &
  pid=$!
}

stop() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
}

# The program runs from a folder of its own, which holds its output folder "E_QSL".
mkdir -p "$work/prog" "$work/home/.config/E_QSL"
cp "$program" "$work/prog/"
cp "$(dirname "$program")/E_QSL/QSL_TRELUNE.jpg" "$work/fond.jpg"

# 1. A folder in place of the settings file: the first-use message, then the settings one.
mkdir "$work/home/.config/E_QSL/E_QSL.ini"
start
answer_message
answer_message
window "$kMain" >/dev/null
none "$kMessage"
# "Langue", "Anglais": one message.
click "$kMain" 277 10
sleep 0.5
xdotool key Down Down Return
answer_message
none "$kMessage"
window "$kMain" >/dev/null
stop
echo "settings that cannot be saved: told once at start-up and once for the language, the program goes on"

# 2. The output folder replaced by a file after start-up: the cards cannot be saved.
rmdir "$work/home/.config/E_QSL/E_QSL.ini"
printf '[Setup%%20]\nQSL%%20de%%20fond=%s\n' "$work/fond.jpg" >"$work/home/.config/E_QSL/E_QSL.ini"
printf '<EOH>\r\n<CALL:5>F4XYZ <QSO_DATE:8>20240315 <TIME_ON:4>1405 <BAND:3>20M <MODE:3>SSB <EOR>\r\n<CALL:5>G4ABC <QSO_DATE:8>20240316 <TIME_ON:4>0930 <BAND:3>40M <MODE:2>CW <EOR>\r\n' \
  >"$work/journal.adi"
start
window "$kMain" >/dev/null
rm -r "$work/prog/E_QSL"
echo "not a folder" >"$work/prog/E_QSL"
click "$kMain" 172 143 # "Sélectionnez"
dialog=$(window '^(Open|Ouvrir)$')
xdotool windowfocus --sync "$dialog" type --delay 5 "$work/journal.adi"
xdotool key Return
click '^Sélection des QSO$' 108 608 # "Tout "
click '^Sélection des QSO$' 412 608 # "Enregistrer les QSL"
window '^Aperçu des E- QSL$' >/dev/null
answer_message
none "$kMessage"
window '^Sélection des QSO$' >/dev/null
[ -f "$work/prog/E_QSL" ]
if find "$work" -name '*.bmp' | grep -q .; then
  echo "a card was written somewhere" >&2
  exit 1
fi
stop
echo "cards that cannot be saved: told once, no saved-cards message, the picking window back"
