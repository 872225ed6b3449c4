#!/usr/bin/env bash
# Builds the libFuzzer targets with clang 14 and runs each for a bounded time.
#   scripts/fuzz.sh [seconds per target]     (default 20; CI uses a short run)
# Findings are written to build-fuzz/findings/. Each run starts from the seed corpus in
# fuzz/corpus/<target> and keeps what it learns in build-fuzz/corpus/<target>.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
scripts/install-deps.sh --fuzz
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DEQSL_BUILD_FUZZERS=ON -DEQSL_BUILD_TESTS=OFF >/dev/null
targets=(layout_text adif parameter_file)
for t in "${targets[@]}"; do
  cmake --build build-fuzz -j"$(nproc)" --target "fuzz_$t" >/dev/null
done
mkdir -p build-fuzz/findings
export QT_QPA_PLATFORM=offscreen
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t"
  echo "fuzzing $t for ${seconds}s"
  "build-fuzz/fuzz/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="build-fuzz/findings/$t-" "build-fuzz/corpus/$t" "fuzz/corpus/$t" 2>&1 \
    | grep -E '^(stat::number_of_executed_units|stat::new_units_added|==[0-9]+==ERROR|SUMMARY)|Done [0-9]+ runs' || true
  # A crash or a failed property leaves an artifact behind.
  if ls build-fuzz/findings/"$t"-* >/dev/null 2>&1; then
    echo "fuzz_$t found a failing input:"; ls build-fuzz/findings/"$t"-*
    exit 1
  fi
done
