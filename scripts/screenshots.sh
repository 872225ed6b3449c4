#!/usr/bin/env bash
# Makes the README's screenshots: each of the six windows, driven in-process as a user drives
# them on a virtual display (Xvfb), saved as PNG files in docs/screenshots/, with one exported
# card converted to PNG. Builds what is needed into build/ first.
#   scripts/screenshots.sh [output folder]     (default: docs/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshots}"

if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
# The program first (which also brings the build files up to date), then the screenshot maker.
cmake --build build -j2 --target ZELVANE_E_QSL
cmake --build build -j2 --target eqsl_screenshots

# A home of its own, so that nothing of the user's settings is read or written.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$out" "$home/runtime"
chmod 700 "$home/runtime"
# shoot SCREEN FOLDER: every window's picture, made on a virtual screen of that size.
shoot() {
  env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/runtime" LC_ALL=C.UTF-8 \
    QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME= QT_SCALE_FACTOR=1 \
    xvfb-run -a -s "-screen 0 ${1}x24" \
    build/tools/eqsl_screenshots build/ZELVANE_E_QSL/E_QSL/QSL_TRELUNE.jpg "$2"
}
shoot 1280x1024 "$out"
# The layout editor once more on an 800 x 600 screen, where it opens in a scroll area.
mkdir -p "$home/small"
shoot 800x600 "$home/small"
cp "$home/small/Move_QSO.png" "$out/Move_QSO_800x600.png"
