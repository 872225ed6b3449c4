#!/usr/bin/env bash
# Makes the portable ZIP and the installer of an installed Windows program folder:
#   scripts/windows-packages.sh FOLDER VERSION OUTDIR
# FOLDER is the program folder as `cmake --install` leaves it (named ZELVANE_E_QSL, holding
# ZELVANE_E_QSL.exe); OUTDIR gets ZELVANE_E_QSL-VERSION-windows-x64.zip, that one folder, and
# ZELVANE_E_QSL-VERSION-setup.exe, made by makensis from cmake/windows/installer.nsi with the
# folder's files listed one by one (what the uninstaller removes is what was installed).
# scripts/package-windows.sh runs it; it needs zip and nsis.
set -euo pipefail
[ $# -eq 3 ] || { sed -n '2,3p' "$0" >&2; exit 2; }
root=$(cd "$(dirname "$0")/.." && pwd)
folder=$(cd "$1" && pwd)
version=$2
mkdir -p "$3"
out=$(cd "$3" && pwd)
name=$(basename "$folder")
[ -f "$folder/$name.exe" ] || { echo "$folder holds no $name.exe" >&2; exit 1; }

zip_file="$out/$name-$version-windows-x64.zip"
setup_file="$out/$name-$version-setup.exe"
rm -f "$zip_file" "$setup_file"

# The ZIP: the one folder, unpacked anywhere (a writable place keeps the cards beside the program).
(cd "$(dirname "$folder")" && zip -q -r -X -9 "$zip_file" "$name")

# The installer's file lists. Names are written between double quotes, where NSIS would read a
# quote, a "$" or a backquote as its own: none of the program's files has one.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
files="$work/files.nsh"
unfiles="$work/unfiles.nsh"
: >"$files"
: >"$unfiles"
while IFS= read -r -d '' dir; do
  rel=${dir#.}
  rel=${rel#/}
  win_rel=${rel//\//\\}
  if [ -n "$rel" ]; then
    printf 'SetOutPath "$INSTDIR\\%s"\n' "$win_rel" >>"$files"
  else
    printf 'SetOutPath "$INSTDIR"\n' >>"$files"
  fi
  while IFS= read -r -d '' file; do
    base=$(basename "$file")
    case "$file" in *[\"\$\`]*) echo "cannot list $file in the installer" >&2; exit 1 ;; esac
    printf 'File "%s"\n' "$file" >>"$files"
    printf 'Delete "$INSTDIR\\%s"\n' "${win_rel:+$win_rel\\}$base" >>"$unfiles"
  done < <(find "$folder/$rel" -mindepth 1 -maxdepth 1 -type f -print0 | sort -z)
done < <(cd "$folder" && find . -type d -print0 | sort -z)
# Folders deepest first; RMDir without /r leaves a folder that still holds anything.
(cd "$folder" && find . -mindepth 1 -type d | sort -r) | while IFS= read -r dir; do
  rel=${dir#./}
  printf 'RMDir "$INSTDIR\\%s"\n' "${rel//\//\\}" >>"$unfiles"
done

size_kb=$(du -sk "$folder" | cut -f1)
(cd "$folder" && makensis -V2 -NOCD \
  -DVERSION="$version" -DOUTFILE="$setup_file" -DFILES="$files" -DUNFILES="$unfiles" \
  -DSIZE_KB="$size_kb" "$root/cmake/windows/installer.nsi")

echo "zip: $zip_file ($(du -h "$zip_file" | cut -f1))"
echo "installer: $setup_file ($(du -h "$setup_file" | cut -f1))"
