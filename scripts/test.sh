#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (Qt's offscreen platform, no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DEQSL_BUILD_TESTS=ON -DEQSL_WERROR=ON
ctest --test-dir build --output-on-failure -j"$(nproc)"
