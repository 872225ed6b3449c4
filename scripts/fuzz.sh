#!/usr/bin/env bash
# Builds the libFuzzer targets with clang 14 and runs each for a bounded time.
#   scripts/fuzz.sh [seconds per target]     (default 20; CI uses a short run)
# Each run writes its findings and the fuzzers' output to build-fuzz/findings/<date-time>/, so that
# a finding of an earlier run is kept but does not fail this one. Each run starts from the seed
# corpus in fuzz/corpus/<target> and keeps what it learns in build-fuzz/corpus/<target>. The script
# fails when a target fails, with or without a finding left behind.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
scripts/install-deps.sh --fuzz
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DEQSL_BUILD_FUZZERS=ON -DEQSL_BUILD_TESTS=OFF >/dev/null
targets=(layout_text adif parameter_file card_file_name)
for t in "${targets[@]}"; do
  cmake --build build-fuzz -j"$(nproc)" --target "fuzz_$t" >/dev/null
done
findings="build-fuzz/findings/$(date +%Y%m%d-%H%M%S)"
mkdir -p "$findings"
export QT_QPA_PLATFORM=offscreen
failed=()
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t"
  echo "fuzzing $t for ${seconds}s"
  status=0
  "build-fuzz/fuzz/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$findings/$t-" "build-fuzz/corpus/$t" "fuzz/corpus/$t" >"$findings/$t.log" 2>&1 || status=$?
  grep -E '^(stat::number_of_executed_units|stat::new_units_added|==[0-9]+==ERROR|SUMMARY)|Done [0-9]+ runs' \
    "$findings/$t.log" || true
  # A crash or a failed property leaves an artifact behind; a sanitizer report or a fuzzer that
  # could not run may leave none, but never exits with 0.
  if [ "$status" -ne 0 ] || compgen -G "$findings/$t-*" >/dev/null; then
    echo "fuzz_$t failed (exit status $status); its output is in $findings/$t.log"
    tail -n 30 "$findings/$t.log"
    compgen -G "$findings/$t-*" || true
    failed+=("$t")
  fi
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "failing fuzz targets: ${failed[*]}"
  exit 1
fi
