#!/usr/bin/env bash
# Builds the benchmarks in release mode and prints their figures.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
./scripts/install-deps.sh
build=${VELNO_BENCH_BUILD:-build-bench}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELNO_TESTS=OFF -DVELNO_BENCH=ON
cmake --build "$build" -j"$(nproc)"
for b in "$build"/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_min_time=0.5 "$@"
done
# Start-up of the desktop program against a bare Qt window.
if [ -x "$build/src/app/velno" ]; then
  echo "== startup"
  ./bench/startup/bench_startup.sh "$build"
fi
