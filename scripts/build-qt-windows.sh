#!/usr/bin/env bash
# Builds the part of Qt the program needs for 64-bit Windows, from Debian 12's own source package
# of qt6-base, with Debian's mingw-w64 toolchain, once per machine:
#   scripts/build-qt-windows.sh                 builds it unless the cache already holds it
#   scripts/build-qt-windows.sh --print-prefix  only prints the folder Qt is (or will be) in
# Qt goes to ${XDG_CACHE_HOME:-$HOME/.cache}/zelvane-e-qsl/qt-<version>-mingw64, the version being
# the one of the host tools (moc, rcc, uic of qt6-base-dev-tools), which the Windows build uses.
# A stamp file, written last, marks a complete build of the same source, compiler and recipe; the
# folder is then reused as it is. The build runs at the lowest priority (nice 19) on
# ${EQSL_QT_JOBS:-2} jobs, and takes about 40 minutes on 2 cores.
#
# The source comes through a private apt configuration (its own deb-src list, lists and cache in
# the work folder): the system's apt sources are left as they are. Debian's patches are applied
# by dpkg-source, then the program's own (cmake/windows/qt-patches/*.patch, in name order).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

print_only=0
for arg in "$@"; do
  case "$arg" in
    --print-prefix) print_only=1 ;;
    *) echo "unknown option: $arg" >&2; exit 2 ;;
  esac
done

# What the build needs (mingw-w64, Ninja, dpkg-source, the host tools), when it is missing.
scripts/install-deps.sh --windows

# The Qt built is the one of the host tools: same version, same Debian revision when the archive
# still has it.
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
host_version=${host_version%+b[0-9]*}  # a binary-only rebuild has the same source
qt_version=${host_version%%+*}
qt_version=${qt_version#*:}
cache_root="${XDG_CACHE_HOME:-$HOME/.cache}/zelvane-e-qsl"
prefix="$cache_root/qt-$qt_version-mingw64"
if [ "$print_only" -eq 1 ]; then
  echo "$prefix"
  exit 0
fi

# The options of Qt's configuration: only what the program and its tests use. Shared libraries
# (LGPL); Core, Gui, Widgets and Test; the windows and offscreen platforms, the windowsvista style
# and the jpeg image format; zlib, libpng, libjpeg, pcre2, freetype and harfbuzz from Qt's own
# copies in the source package. No OpenGL, as configure's -no-opengl: INPUT_opengl=no turns off
# its dynamic variant on Windows as well (FEATURE_opengl=OFF alone leaves it on, and the Windows
# platform then refers to OpenGL code that is not built).
qt_options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_testlib=ON -DFEATURE_widgets=ON -DFEATURE_gui=ON
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_system_zlib=OFF -DINPUT_libjpeg=qt -DINPUT_libpng=qt -DINPUT_pcre=qt
  -DINPUT_freetype=qt -DINPUT_harfbuzz=qt -DINPUT_doubleconversion=qt
)
toolchain="$root/cmake/windows-x86_64-mingw.cmake"
patches=()
if [ -d cmake/windows/qt-patches ]; then
  while IFS= read -r -d '' f; do patches+=("$f"); done \
    < <(find cmake/windows/qt-patches -name '*.patch' -print0 | sort -z)
fi
compiler=$(x86_64-w64-mingw32-g++-posix --version | head -n1)
# What the built Qt depends on: the options, the toolchain file's settings (not its comments)
# and the patches.
recipe=$( { printf '%s\n' "${qt_options[@]}"; grep -v -E '^[[:space:]]*(#|$)' "$toolchain";
            [ ${#patches[@]} -eq 0 ] || cat "${patches[@]}"; } | sha256sum | cut -d' ' -f1)
stamp_text="qt6-base $host_version
compiler $compiler
recipe $recipe"
stamp="$prefix/zelvane-e-qsl-build.stamp"

mkdir -p "$cache_root"
# One build at a time per machine (the packaging and test scripts may both ask for it).
exec 9>"$cache_root/qt-$qt_version-mingw64.lock"
flock 9

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$stamp_text" ]; then
  echo "Qt for Windows: $prefix (already built)" >&2
  exit 0
fi

# The work folder: kept when the build fails, so that a run after a fix carries on where it
# stopped; removed when the build is installed.
work="$cache_root/qt-$qt_version-mingw64.work"
if [ ! -f "$work/recipe" ] || [ "$(cat "$work/recipe")" != "$stamp_text" ]; then
  rm -rf "$work"
fi
mkdir -p "$work"
printf '%s\n' "$stamp_text" >"$work/recipe"
start=$(date +%s)

# 1. The source package, through a private apt configuration (bookworm and its security updates,
#    from the mirrors the system already uses for its binary packages).
src="$work/qtbase"
if [ ! -f "$src/.unpacked" ]; then
  rm -rf "$src" "$work/apt"
  mirror=$(apt-cache policy | awk '$3 == "bookworm/main" { print $2; exit }')
  security=$(apt-cache policy | awk '$3 == "bookworm-security/main" { print $2; exit }')
  keyring=/usr/share/keyrings/debian-archive-keyring.gpg
  mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/download"
  {
    echo "deb-src [signed-by=$keyring] ${mirror:-http://deb.debian.org/debian} bookworm main"
    echo "deb-src [signed-by=$keyring] ${mirror:-http://deb.debian.org/debian} bookworm-updates main"
    echo "deb-src [signed-by=$keyring] ${security:-http://deb.debian.org/debian-security} bookworm-security main"
  } >"$work/apt/sources.list"
  apt_options=(-o Dir::Etc::sourcelist="$work/apt/sources.list" -o Dir::Etc::sourceparts=-
               -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache"
               -o APT::Sandbox::User="$(id -un)" -qq)
  apt-get "${apt_options[@]}" update
  (
    cd "$work/apt/download"
    apt-get "${apt_options[@]}" source --download-only "qt6-base=$host_version" ||
      apt-get "${apt_options[@]}" source --download-only qt6-base
  )
  dsc=("$work"/apt/download/qt6-base_*.dsc)
  case "$(basename "${dsc[0]}")" in
    "qt6-base_$qt_version"+*) ;;
    *) echo "the archive's qt6-base (${dsc[0]}) is not the version of the host tools ($host_version)" >&2
       exit 1 ;;
  esac
  dpkg-source --no-check -x "${dsc[0]}" "$src" >"$work/unpack.log" 2>&1 ||
    { cat "$work/unpack.log" >&2; exit 1; }
  for p in "${patches[@]}"; do
    echo "Applying $p" >&2
    patch -d "$src" -p1 --forward --batch <"$p" >/dev/null
  done
  touch "$src/.unpacked"
  rm -rf "$work/apt" "$work"/qt6-base_*
fi

# 2. Configure and build. The toolchain file is copied into the installed Qt: Qt's own toolchain
#    file (lib/cmake/Qt6/qt.toolchain.cmake) loads the one Qt was configured with, which must
#    outlive this checkout.
rm -rf "$prefix"
mkdir -p "$prefix/lib/cmake"
cp "$toolchain" "$prefix/lib/cmake/windows-x86_64-mingw.cmake"
host_cmake_dir="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake"
if [ ! -f "$work/build/build.ninja" ]; then
  mkdir -p "$work/build"
  nice -n 19 cmake -S "$src" -B "$work/build" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/windows-x86_64-mingw.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
    "${qt_options[@]}" >"$work/configure.log" 2>&1 ||
    { tail -n 40 "$work/configure.log" >&2; echo "configure failed: $work/configure.log" >&2; exit 1; }
fi
echo "Building Qt $qt_version for Windows in $work/build (${EQSL_QT_JOBS:-2} jobs)" >&2
nice -n 19 ninja -C "$work/build" -j"${EQSL_QT_JOBS:-2}"
nice -n 19 cmake --install "$work/build" --strip >/dev/null
# Qt's own texts in other languages, as an installed Qt has them in its translations folder, where
# a program run against this Qt (the tests under Wine) looks for them: Debian's
# qt6-translations-l10n, the same texts for every platform.
mkdir -p "$prefix/translations"
cp /usr/share/qt6/translations/qtbase_*.qm "$prefix/translations/"
printf '%s\n' "$stamp_text" >"$stamp"
rm -rf "$work"
end=$(date +%s)
echo "Qt for Windows: $prefix ($(du -sh "$prefix" | cut -f1), built in $(( (end - start) / 60 )) min)" >&2
