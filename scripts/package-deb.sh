#!/usr/bin/env bash
# Builds the Debian package of the program and leaves the one .deb in OUTDIR, checked:
#   scripts/package-deb.sh [OUTDIR]     (default build-deb/; run from anywhere in the project)
# Installs what packaging needs, builds in a folder of its own (build-package/, prefix /usr),
# makes the package with CPack, then runs desktop-file-validate, appstreamcli validate and lintian
# on it. Install it with: sudo apt install ./build-deb/zelvane-e-qsl_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build-deb}"
scripts/install-deps.sh --package
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Debian's own compiler and linker flags, hardening included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DEQSL_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build build-package -j"$(nproc)"
rm -f build-package/zelvane-e-qsl_*.deb
(cd build-package && cpack -G DEB >/dev/null)
debs=(build-package/zelvane-e-qsl_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one package, found: ${debs[*]}" >&2; exit 1; }
deb="${debs[0]}"

# The validators on what the package installs.
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
desktop-file-validate "$tree"/usr/share/applications/zelvane-e-qsl.desktop
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml
# Errors fail the build; warnings are shown.
lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" || {
  echo "lintian found errors in $deb" >&2
  exit 1
}

mkdir -p "$out"
rm -f "$out"/zelvane-e-qsl_*.deb
cp "$deb" "$out"/
echo "package: $out/$(basename "$deb")"
