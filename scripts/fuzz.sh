#!/usr/bin/env bash
# Builds the fuzz harnesses with clang (ASan, UBSan, libFuzzer) in their own
# build folder and runs each for the given number of seconds (default 60)
# from its seed corpus in fuzz/corpus/<harness>. New inputs go to a work
# corpus in the build folder, not into the repository; a crash stops the
# script with the input that caused it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
seconds=${1:-60}
build=${VELNO_FUZZ_BUILD:-build-fuzz}
cxx=${VELNO_FUZZ_CXX:-$(command -v clang++-14 || command -v clang++)}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$cxx" \
      -DVELNO_FUZZ=ON -DVELNO_TESTS=OFF -DVELNO_BENCH=OFF -DVELNO_GUI=OFF >/dev/null
harnesses=$(for d in fuzz/corpus/*/; do basename "$d"; done)
# shellcheck disable=SC2086
cmake --build "$build" -j"$(nproc)" --target $harnesses

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
for seeds in fuzz/corpus/*/; do
  harness=$(basename "$seeds")
  work="$build/work/$harness"
  mkdir -p "$work" "$build/crashes"
  echo "== $harness: $seconds s"
  "$build/fuzz/$harness" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=65536 -print_final_stats=1 -artifact_prefix="$build/crashes/$harness-" \
      "$work" "$seeds" 2>&1 | grep -E '^(==|#[0-9]+ *DONE|stat::number_of_executed_units|SUMMARY|INFO: Running)' || true
  # grep hides libFuzzer's chatter; its exit status is the harness's.
  test "${PIPESTATUS[0]}" -eq 0
done
