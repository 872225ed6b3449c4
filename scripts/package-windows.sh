#!/usr/bin/env bash
# Builds the program for 64-bit Windows and leaves its portable ZIP and its installer in OUTDIR:
#   scripts/package-windows.sh [OUTDIR]     (default build-windows/; run from anywhere in the project)
#     ZELVANE_E_QSL-<version>-windows-x64.zip  one folder, ZELVANE_E_QSL: the program, the Qt and
#                                              mingw-w64 DLLs, Qt's plugins and French texts, and
#                                              "E_QSL" with the sample background and sample log
#     ZELVANE_E_QSL-<version>-setup.exe        the installer, in French (NSIS)
# The version is the one of project() in CMakeLists.txt. Builds with scripts/build-windows.sh
# (Qt for Windows too, the first time), installs the program folder with CMake's install rules into
# a temporary folder, and makes both files of it with scripts/windows-packages.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build-windows}"
# The tests are built only when the build folder already has them (scripts/test-windows.sh).
tests=()
[ -f build-windows-x64/CMakeCache.txt ] || tests=(-DEQSL_BUILD_TESTS=OFF)
scripts/build-windows.sh "${tests[@]}"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows-x64/CMakeCache.txt)
[ -n "$version" ] || { echo "no project version in build-windows-x64/CMakeCache.txt" >&2; exit 1; }

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install build-windows-x64 --prefix "$stage" --strip >/dev/null
scripts/windows-packages.sh "$stage/ZELVANE_E_QSL" "$version" "$out"
