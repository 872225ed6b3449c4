#!/usr/bin/env bash
# Installs the built program into a temporary prefix and checks what a user's desktop relies on:
# the program folder with its "E_QSL" and the sample background, the launcher in the bin folder
# leading to the executable, the desktop entry starting that launcher, and the icon. Then starts
# the installed program through the launcher (offscreen, temporary home) and checks that it
# took the installed folder as its program folder.
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
# A blank in the prefix, as a user's home may have.
prefix="$work/my prefix"

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

full() { case "$1" in /*) echo "$1" ;; *) echo "$prefix/$1" ;; esac; }
programdir="$(full "$libdir")/ZELVANE_E_QSL"
launcher="$(full "$bindir")/zelvane-e-qsl"
entry="$(full "$datadir")/applications/zelvane-e-qsl.desktop"
icon="$(full "$datadir")/icons/hicolor/scalable/apps/zelvane-e-qsl.svg"
metainfo=$(ls "$(full "$datadir")"/metainfo/*.metainfo.xml 2>/dev/null | head -1)
sample_log="$programdir/E_QSL/Exemple_log.adi"

[ -x "$programdir/ZELVANE_E_QSL" ] || fail "no executable in $programdir"
head -c 3 "$programdir/E_QSL/QSL_TRELUNE.jpg" | od -An -tx1 | grep -q "ff d8 ff" ||
  fail "the sample background is not a JPEG"

[ -L "$launcher" ] || fail "no launcher link $launcher"
case "$(readlink "$launcher")" in /*) fail "the launcher link is absolute" ;; esac
[ "$(readlink -f "$launcher")" = "$(readlink -f "$programdir/ZELVANE_E_QSL")" ] ||
  fail "the launcher leads to $(readlink -f "$launcher")"

[ -f "$entry" ] || fail "no desktop entry"
grep -qx '\[Desktop Entry\]' "$entry" || fail "desktop entry without its group"
grep -qx 'Type=Application' "$entry" || fail "desktop entry: Type"
grep -qx 'Categories=Utility;HamRadio;' "$entry" || fail "desktop entry: Categories"
grep -qx 'Icon=zelvane-e-qsl' "$entry" || fail "desktop entry: Icon"
grep -qxF "Exec=\"$launcher\"" "$entry" || fail "desktop entry: Exec is $(grep '^Exec=' "$entry")"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry"
fi

[ -n "$metainfo" ] || fail "no AppStream metadata"
grep -q '<launchable type="desktop-id">zelvane-e-qsl.desktop</launchable>' "$metainfo" ||
  fail "the AppStream metadata does not name the desktop entry"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" >/dev/null || fail "appstreamcli validate: $metainfo"
fi
# The sample log keeps its CR LF line ends.
[ "$(grep -c $'\r$' "$sample_log")" -eq "$(wc -l <"$sample_log")" ] || fail "the sample log lost its CR LF"

[ -f "$icon" ] || fail "no icon"
grep -q '<svg' "$icon" || fail "the icon is not an SVG"

for f in "$launcher" "$entry" "$icon" "$metainfo" "$sample_log" "$programdir/ZELVANE_E_QSL"; do
  grep -qxF "$f" "$manifest" || fail "$f missing from the install manifest"
done

# The installed program, started through the launcher with a background already known.
home="$work/home"
mkdir -p "$home/.config/E_QSL"
printf '[Setup%%20]\nQSL%%20de%%20fond=QSL_TRELUNE.jpg\n' >"$home/.config/E_QSL/E_QSL.ini"
HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen "$launcher" &
pid=$!
# Start-up writes the program folder's path to the settings before the window shows.
for _ in $(seq 1 200); do
  grep -q '^Chemin%20Repertoire=' "$home/.config/E_QSL/E_QSL.ini" && break
  kill -0 "$pid" 2>/dev/null || fail "the installed program ended at start-up"
  sleep 0.1
done
recorded=$(sed -n 's/^Chemin%20Repertoire=//p' "$home/.config/E_QSL/E_QSL.ini")
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
pid=""
[ -n "$recorded" ] || fail "the installed program did not start"
echo "program folder recorded by the installed program: $recorded"
[ "$recorded" = "$(cd "$programdir" && pwd -P)" ] || fail "program folder $recorded, not $programdir"
echo "installed tree and launcher are right"
