#!/usr/bin/env bash
# Installs the built program into a temporary prefix (with a blank in it) and checks what a
# user's desktop relies on: the program folder with its "E_QSL" and samples, a relative launcher
# link to the executable, a desktop entry starting that launcher, AppStream metadata, the icon
# (the validators run on the same files in the package); then starts the installed program
# through the launcher and checks that it took the installed folder as its program folder.
# Usage: check_install.sh <build dir> <bindir> <libdir> <datadir>   (dirs as GNUInstallDirs gives)
set -euo pipefail
build="$1" bindir="$2" libdir="$3" datadir="$4"
work=$(mktemp -d)
pid=""
# Installing rewrites the build's install_manifest.txt: the user's own install keeps its list.
manifest="$build/install_manifest.txt"
[ -f "$manifest" ] && cp "$manifest" "$work/manifest.saved"
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  if [ -f "$work/manifest.saved" ]; then cp "$work/manifest.saved" "$manifest"; else rm -f "$manifest"; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
prefix="$work/my prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

full() { case "$1" in /*) echo "$1" ;; *) echo "$prefix/$1" ;; esac; }
programdir="$(full "$libdir")/ZELVANE_E_QSL"
launcher="$(full "$bindir")/zelvane-e-qsl"
share="$(full "$datadir")"
entry="$share/applications/zelvane-e-qsl.desktop"
icon="$share/icons/hicolor/scalable/apps/zelvane-e-qsl.svg"
metainfo=$(ls "$share"/metainfo/*.metainfo.xml | head -1)
sample_log="$programdir/E_QSL/Exemple_log.adi"

head -c 3 "$programdir/E_QSL/QSL_TRELUNE.jpg" | od -An -tx1 | grep -q "ff d8 ff" || fail "no JPEG sample background"
[ "$(grep -c $'\r$' "$sample_log")" -eq "$(wc -l <"$sample_log")" ] || fail "the sample log lost its CR LF"
case "$(readlink "$launcher")" in /* | "") fail "the launcher is not a relative link" ;; esac
[ "$(readlink -f "$launcher")" = "$(readlink -f "$programdir/ZELVANE_E_QSL")" ] || fail "the launcher leads elsewhere"
for line in 'Type=Application' 'Categories=Utility;HamRadio;' 'Icon=zelvane-e-qsl' "Exec=\"$launcher\""; do
  grep -qxF "$line" "$entry" || fail "desktop entry without $line"
done
grep -q '<launchable type="desktop-id">zelvane-e-qsl.desktop</launchable>' "$metainfo" || fail "metainfo: launchable"
grep -q '<svg' "$icon" || fail "the icon is not an SVG"

# The installed program, started through the launcher with a background already known: start-up
# writes the program folder's path to the settings before the window shows.
settings="$work/home/.config/E_QSL/E_QSL.ini"
mkdir -p "$(dirname "$settings")"
printf '[Setup%%20]\nQSL%%20de%%20fond=QSL_TRELUNE.jpg\n' >"$settings"
HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=offscreen "$launcher" &
pid=$!
for _ in $(seq 1 200); do
  grep -q '^Chemin%20Repertoire=' "$settings" && break
  kill -0 "$pid" 2>/dev/null || fail "the installed program ended at start-up"
  sleep 0.1
done
recorded=$(sed -n 's/^Chemin%20Repertoire=//p' "$settings")
[ "$recorded" = "$(cd "$programdir" && pwd -P)" ] || fail "program folder recorded: '$recorded', not $programdir"
echo "installed tree and launcher are right"
