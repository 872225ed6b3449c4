#!/usr/bin/env bash
# Starts a Windows test program under Wine: ctest's emulator for the Windows build
# (scripts/test-windows.sh configures it, scripts/wine-ctest.sh makes the Wine prefix).
#   cmake/windows/wine-test.sh PROGRAM.exe [ARGUMENTS...]
# Wine hands no QT_* variable of the Unix environment to Windows programs, but hands WINEQT_* on
# as QT_*: the test's own QT_QPA_PLATFORM (offscreen) and the like are passed that way. With no
# console attached (the output is a pipe), Qt Test would write its results to the debugger's
# channel, which nobody reads: QT_FORCE_STDERR_LOGGING sends them to the output.
set -euo pipefail
for name in $(compgen -e); do
  case "$name" in
    QT_*) export "WINE$name=${!name}" ;;
  esac
done
export WINEQT_FORCE_STDERR_LOGGING=1
exec /usr/lib/wine/wine64 "$@"
