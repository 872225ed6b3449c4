#!/usr/bin/env bash
# Runs clang-tidy with the project's .clang-tidy over the sources of src/ (not the tests), using
# the compile commands of build/ (configured by scripts/build.sh). Fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --lint
[ -f build/compile_commands.json ] || scripts/build.sh
# The Windows counterparts (*_windows.cpp) are not in a Linux build's compile commands.
git ls-files -z 'src/*.cpp' ':!:src/*_windows.cpp' | xargs -0 -n 8 -P "$(nproc)" clang-tidy -p build --quiet --warnings-as-errors='*'
