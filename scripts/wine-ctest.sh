#!/usr/bin/env bash
# Runs the tests of a Windows build under Wine through ctest, as on Windows:
#   scripts/wine-ctest.sh BUILD_DIR [CTEST OPTIONS...]
# BUILD_DIR is a build for Windows configured with
# -DCMAKE_CROSSCOMPILING_EMULATOR=<project>/cmake/windows/wine-test.sh (scripts/test-windows.sh does
# it): ctest then starts every test it knows through Wine, with the test's own environment (Qt's
# offscreen platform: no display needed), working folder and time limit. The run has a Wine prefix
# of its own in a temporary folder, removed at the end, with Wine's messages off (WINEDEBUG=-all)
# and Wine's null graphics driver (windows are made but shown nowhere). The DLLs are found through
# WINEPATH: Qt's bin folder (Qt takes its plugins and translations from beside it) and the
# mingw-w64 runtime's folders.
set -euo pipefail
[ $# -ge 1 ] || { sed -n '2,3p' "$0" >&2; exit 2; }
build=$(cd "$1" && pwd)
shift
wine=/usr/lib/wine/wine64
cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
qt=$(cd "$(cache_value Qt6_DIR)/../../.." && pwd)
# The compiler, as CMake found it (a toolchain file's compiler is not in the cache).
cxx=$(sed -n 's/^set(CMAKE_CXX_COMPILER "\(.*\)")$/\1/p' "$build"/CMakeFiles/*/CMakeCXXCompiler.cmake | head -n1)
[ -n "$cxx" ] || { echo "$build is not a configured build" >&2; exit 1; }
[ -x "$wine" ] || { echo "$wine not found: install wine64" >&2; exit 1; }

# Windows' form of a folder of this machine: Wine's drive Z: is the root.
windows_path() { local p="Z:$1"; echo "${p//\//\\}"; }
winepath="$(windows_path "$qt/bin")"
for dll in libstdc++-6.dll libwinpthread-1.dll; do
  dir=$(dirname "$(realpath "$("$cxx" -print-file-name="$dll")")")
  winepath+=";$(windows_path "$dir")"
done

WINEPREFIX=$(mktemp -d)
# Qt's offscreen platform reads its fonts from one folder: the fonts the tests draw with (Comic
# Neue for the cards' Comic Sans MS, DejaVu for the windows), as Debian installs them.
fonts=$WINEPREFIX/fonts
mkdir -p "$fonts"
ln -s /usr/share/fonts/opentype/comic-neue/*.otf /usr/share/fonts/truetype/dejavu/*.ttf "$fonts"/
export QT_QPA_FONTDIR
QT_QPA_FONTDIR=$(windows_path "$fonts")
export WINEPREFIX WINEPATH="$winepath" WINEDEBUG=-all
# No Mono nor Gecko: Wine would offer to download them when the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
# The prefix: Wine's null graphics driver, and no debugger started on a crash (the test fails at
# once). The first program of a prefix must start once Wine has made the prefix and ended its
# own programs (wineserver -w): one started earlier may crash in Qt's widgets.
"$wine" wineboot --init >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
"$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f \
  >/dev/null 2>&1
/usr/lib/wine/wineserver -w

ctest --test-dir "$build" --output-on-failure "$@"
