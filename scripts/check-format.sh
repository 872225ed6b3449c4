#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format makes of it with the
# project's .clang-format. To fix: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --lint
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "format: every C++ file as clang-format writes it"
