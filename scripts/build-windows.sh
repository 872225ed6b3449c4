#!/usr/bin/env bash
# Builds the program for 64-bit Windows on Debian 12, into build-windows-x64/ (the program lands
# in build-windows-x64/ZELVANE_E_QSL/ZELVANE_E_QSL.exe):
#   scripts/build-windows.sh [CMAKE OPTIONS...]      for example -DEQSL_BUILD_TESTS=ON
# Installs what is missing, builds Qt for Windows when the cache lacks it
# (scripts/build-qt-windows.sh, about 40 minutes once per machine), builds the build machine's own
# make_sample_background in build-windows-host/ (the cross build runs it to draw the sample
# background, the very picture of the Linux build), then configures with Qt's toolchain file,
# which loads cmake/windows-x86_64-mingw.cmake, and builds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows
scripts/build-qt-windows.sh
qt=$(scripts/build-qt-windows.sh --print-prefix)

cmake -S . -B build-windows-host -DCMAKE_BUILD_TYPE=Release -DEQSL_BUILD_TESTS=OFF >/dev/null
cmake --build build-windows-host --target make_sample_background -j"$(nproc)"

cmake -S . -B build-windows-x64 -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/windows-x86_64-mingw.cmake" \
  -DEQSL_HOST_SAMPLE_BACKGROUND_TOOL="$PWD/build-windows-host/tools/make_sample_background" \
  "$@" >/dev/null
cmake --build build-windows-x64 -j"$(nproc)"
