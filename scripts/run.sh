#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on its main window.
# Without a display, it runs under Xvfb: see the README for watching it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting under Xvfb (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build/ZELVANE_E_QSL/ZELVANE_E_QSL
fi
exec build/ZELVANE_E_QSL/ZELVANE_E_QSL
