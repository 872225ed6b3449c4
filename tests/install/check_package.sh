#!/usr/bin/env bash
# The Debian package as a user gets it: installed with apt-get; started from its menu entry under
# Xvfb by an ordinary user with a fresh home, who gets a program folder with the sample files and
# makes cards there (the first-trial test, in-process); then removed. Needs root or sudo.
# Usage: check_package.sh <zelvane-e-qsl_*.deb> <tst_card_export_end_to_end executable>
set -euo pipefail
deb=$(readlink -f "$1")
tester=$(readlink -f "$2")
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
user=eqsl-essai
work=$(mktemp -d)
chmod 755 "$work"
home="$work/home"
pgid=""
fail() { echo "FAIL: $*" >&2; exit 1; }
cleanup() {
  [ -n "$pgid" ] && $sudo kill -- "-$pgid" 2>/dev/null || true
  $sudo userdel --remove "$user" 2>/dev/null || true
  $sudo rm -rf "$work"
}
trap cleanup EXIT

export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -qq "$deb" >/dev/null
command=$(sed -n 's/^Exec=//p' /usr/share/applications/zelvane-e-qsl.desktop | tr -d '"')
[ -x "$command" ] || fail "the menu entry's command $command is not there"
programdir=$(dirname "$(readlink -f "$command")")

$sudo useradd --create-home --home-dir "$home" --shell /bin/bash "$user"
as_user() {
  $sudo runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin LC_ALL=C.UTF-8 "$@"
}
[ "$(as_user sh -c "test -w '$programdir' && echo yes || echo no")" = no ] ||
  fail "the installed program folder is writable for $user"

# The installed program, as the menu starts it, with a background already known so that
# start-up runs to its end without the first-use message.
settings="$home/.config/E_QSL/E_QSL.ini"
as_user mkdir -p "$home/.config/E_QSL"
as_user sh -c "printf '[Setup%%20]\nQSL%%20de%%20fond=QSL_TRELUNE.jpg\n' >'$settings'"
setsid runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin LC_ALL=C.UTF-8 \
  xvfb-run -a -n $((RANDOM % 500 + 100)) -s "-screen 0 1024x768x24" "$command" >"$work/program.log" 2>&1 &
pgid=$!
for _ in $(seq 1 300); do
  grep -q '^Chemin%20Repertoire=' "$settings" 2>/dev/null && break
  kill -0 "$pgid" 2>/dev/null || { cat "$work/program.log" >&2; fail "the installed program ended at start-up"; }
  sleep 0.1
done
$sudo kill -- "-$pgid" 2>/dev/null || true
wait "$pgid" 2>/dev/null || true
pgid=""
folder="$home/.local/share/ZELVANE_E_QSL"
recorded=$(sed -n 's/^Chemin%20Repertoire=//p' "$settings")
[ "$recorded" = "$folder" ] || fail "program folder recorded: '$recorded', not $folder"
for f in QSL_TRELUNE.jpg Exemple_log.adi; do
  [ -f "$folder/E_QSL/$f" ] || fail "no $f in the user's folder"
  [ "$(stat -c %U "$folder/E_QSL/$f")" = "$user" ] || fail "$f does not belong to $user"
done
echo "the installed program made $folder with the sample files"

# Cards from the sample log, through the program's windows: the test finds 12 in the user's folder.
install -m 755 "$tester" "$work/tester"
as_user QT_QPA_PLATFORM=offscreen EQSL_INSTALLED_PROGRAM_DIR="$programdir" \
  "$work/tester" firstTrialWithTheSamples

$sudo apt-get remove --purge -y -qq zelvane-e-qsl >/dev/null
[ ! -e "$command" ] || fail "$command is still there after removal"
echo "the package installs, works for an ordinary user, and removes"
