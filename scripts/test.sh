#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and
# the address and undefined-behaviour sanitizers, and runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
./scripts/install-deps.sh

build=${VELNO_TEST_BUILD:-build-test}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELNO_WERROR=ON -DVELNO_SANITIZE=ON \
      -DVELNO_BENCH=ON
cmake --build "$build" -j"$(nproc)"
if command -v clang-format >/dev/null; then cmake --build "$build" --target format-check; fi
export QT_QPA_PLATFORM=offscreen
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$build" --output-on-failure -j"$(nproc)"

# Every fuzz harness briefly, from its seed corpus (a clang build of its own).
VELNO_FUZZ_BUILD="${VELNO_FUZZ_BUILD:-build-fuzz}" ./scripts/fuzz.sh "${VELNO_FUZZ_SECONDS:-15}"
