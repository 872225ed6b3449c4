#!/usr/bin/env bash
# The Windows installer as a user gets it, under Wine: installed silently (/S) by an ordinary user
# of this machine in a Wine prefix of theirs; the installed folder then made read-only, as Program
# Files is for a Windows user who is not an administrator; the installed program started under Xvfb
# with a background already known, which must take the user's own folder
# (%LOCALAPPDATA%\ZELVANE_E_QSL) with the sample files; 12 cards made there from the sample log
# through the program's windows (the first-trial test, in-process, beside the installed DLLs);
# then the uninstaller run silently, which must keep the user's folder and settings.
# Needs root or sudo (a user is made for the run), wine64, xvfb-run.
# Usage: check_windows_installer.sh <ZELVANE_E_QSL-*-setup.exe> <tst_card_export_end_to_end.exe> <Qt for Windows>
set -euo pipefail
[ $# -eq 3 ] || { sed -n '9p' "$0" >&2; exit 2; }
setup=$(readlink -f "$1")
tester=$(readlink -f "$2")
qt=$(readlink -f "$3")
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
user=eqsl-essai-win
work=$(mktemp -d)
chmod 755 "$work"
home="$work/home"
prefix="$home/wine"
fail() { echo "FAIL: $*" >&2; exit 1; }
cleanup() {
  $sudo runuser -u "$user" -- env WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  $sudo userdel --remove "$user" 2>/dev/null || true
  $sudo rm -rf "$work"
}
trap cleanup EXIT

$sudo useradd --create-home --home-dir "$home" --shell /bin/bash "$user"
# Wine as the user, with no Mono nor Gecko to offer, its messages off; QT_* variables reach a
# Windows program as WINEQT_* (cmake/windows/wine-test.sh).
as_user() {
  $sudo runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin LC_ALL=C.UTF-8 WINEPREFIX="$prefix" \
    WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" "$@"
}
wine=/usr/lib/wine/wine64
as_user "$wine" wineboot --init >/dev/null 2>&1
as_user "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f >/dev/null 2>&1
as_user /usr/lib/wine/wineserver -w

install -m 644 "$setup" "$work/setup.exe"
as_user "$wine" "$work/setup.exe" /S
as_user /usr/lib/wine/wineserver -w
installed="$prefix/drive_c/Program Files/ZELVANE_E_QSL"
[ -f "$installed/ZELVANE_E_QSL.exe" ] || fail "nothing installed in C:\\Program Files\\ZELVANE_E_QSL"
[ -f "$installed/E_QSL/Exemple_log.adi" ] && [ -f "$installed/E_QSL/QSL_TRELUNE.jpg" ] || fail "no samples installed"
menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/ZELVANE_E_QSL.lnk"
[ -f "$menu" ] || fail "no Start-menu entry"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZELVANE_E_QSL'
as_user "$wine" reg query "$uninstall" /v UninstallString 2>/dev/null | grep -q 'Desinstaller.exe' ||
  fail "not in the list of installed programs"
echo "the installer put the program under Program Files, in the Start menu and in the installed programs"

$sudo chmod -R a-w "$installed"
# The installed program with a background already known: start-up records its program folder.
as_user "$wine" reg add 'HKCU\Software\E_QSL\Setup ' /v 'QSL de fond' /d QSL_TRELUNE.jpg /f >/dev/null 2>&1
recorded() {
  as_user "$wine" reg query 'HKCU\Software\E_QSL\Setup ' /v 'Chemin Repertoire' 2>/dev/null |
    sed -n 's/.*REG_SZ[[:space:]]*//p' | tr -d '\r'
}
# The program, on a display of its own, until start-up has recorded its folder.
cat >"$home/start.sh" <<'SCRIPT'
wine=/usr/lib/wine/wine64
"$wine" 'C:\Program Files\ZELVANE_E_QSL\ZELVANE_E_QSL.exe' &
for _ in $(seq 1 600); do
  "$wine" reg query 'HKCU\Software\E_QSL\Setup ' /v 'Chemin Repertoire' >/dev/null 2>&1 && break
  sleep 0.2
done
/usr/lib/wine/wineserver -k
SCRIPT
as_user xvfb-run -a -n $((RANDOM % 500 + 600)) -s "-screen 0 1024x768x24" sh "$home/start.sh" >/dev/null 2>&1 || true
folder='C:\users\'"$user"'\AppData\Local\ZELVANE_E_QSL'
[ "$(recorded)" = "$folder" ] || fail "program folder recorded: '$(recorded)', not $folder"
local_folder="$prefix/drive_c/users/$user/AppData/Local/ZELVANE_E_QSL"
for f in QSL_TRELUNE.jpg Exemple_log.adi; do
  [ -f "$local_folder/E_QSL/$f" ] || fail "no $f in the user's folder"
done
echo "the installed program made $folder with the sample files"

# Cards from the sample log through the program's windows, by the first-trial test run beside the
# installed DLLs and plugins, with Qt Test's DLL and the offscreen platform of the same Qt.
run="$work/tester"
mkdir -p "$run/platforms"
cp -r "$installed"/. "$run"/
chmod -R u+w "$run"
rm -rf "$run/E_QSL"
cp "$tester" "$run/tester.exe"
cp "$qt/bin/Qt6Test.dll" "$run"/
cp "$qt/plugins/platforms/qoffscreen.dll" "$run/platforms"/
mkdir -p "$run/fonts"
cp /usr/share/fonts/opentype/comic-neue/*.otf /usr/share/fonts/truetype/dejavu/*.ttf "$run/fonts"/
$sudo chown -R "$user" "$run"
as_user WINEQT_QPA_PLATFORM=offscreen WINEQT_QPA_FONTDIR='Z:'"$run/fonts" WINEQT_FORCE_STDERR_LOGGING=1 \
  EQSL_INSTALLED_PROGRAM_DIR='C:\Program Files\ZELVANE_E_QSL' "$wine" "$run/tester.exe" firstTrialWithTheSamples
[ "$(ls "$local_folder/E_QSL"/QSL_*.bmp | wc -l)" -eq 12 ] || fail "not 12 cards in the user's folder"
$sudo chmod -R u+w "$installed"
as_user "$wine" 'C:\Program Files\ZELVANE_E_QSL\Desinstaller.exe' /S
as_user /usr/lib/wine/wineserver -w
sleep 2 # the uninstaller runs again from a copy of itself, which ends after it returns
as_user /usr/lib/wine/wineserver -w
[ ! -e "$installed/ZELVANE_E_QSL.exe" ] || fail "the program is still there after removal"
[ "$(ls "$local_folder/E_QSL"/QSL_*.bmp | wc -l)" -eq 12 ] || fail "the removal took the user's cards"
[ "$(recorded)" = "$folder" ] || fail "the removal took the user's settings"
echo "the installer installs, works for an ordinary user, and uninstalls leaving the user's cards and settings"
