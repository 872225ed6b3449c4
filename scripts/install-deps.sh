#!/usr/bin/env bash
# Installs with apt-get what a fresh Debian 12 machine lacks to build, run and test the program.
# Idempotent and quiet when everything is already there.
#   scripts/install-deps.sh            build, run and test
#   scripts/install-deps.sh --bench    also Google Benchmark
#   scripts/install-deps.sh --fuzz     also clang 14 and its runtime (fuzzing, sanitizers)
#   scripts/install-deps.sh --package  also what builds and checks the Debian package
#   scripts/install-deps.sh --lint     also clang-format and clang-tidy
#   scripts/install-deps.sh --windows  also what builds Qt and the program for Windows (mingw-w64,
#                                      Ninja, dpkg-source), packages it (NSIS, zip) and runs it (Wine)
set -euo pipefail

packages=(build-essential cmake qt6-base-dev qt6-qpa-plugins libgl-dev qt6-translations-l10n
          fonts-comic-neue fonts-dejavu-core xvfb xauth x11-utils xdotool)
for arg in "$@"; do
  case "$arg" in
    --bench) packages+=(libbenchmark-dev) ;;
    --fuzz) packages+=(clang-14 libclang-rt-14-dev) ;;
    --package) packages+=(dpkg-dev file lintian desktop-file-utils appstream) ;;
    --lint) packages+=(clang-format clang-tidy) ;;
    --windows) packages+=(g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
                          ninja-build qt6-base-dev-tools dpkg-dev xz-utils patch
                          debian-archive-keyring nsis zip wine64) ;;
    *) echo "unknown option: $arg" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}" >/dev/null
