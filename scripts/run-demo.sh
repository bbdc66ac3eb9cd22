#!/usr/bin/env bash
# Installs what is missing, builds Velno, creates the demo congregation in
# ./demo when it is absent and opens it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
./scripts/install-deps.sh

build=${VELNO_BUILD:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELNO_TESTS=OFF -DVELNO_BENCH=OFF
cmake --build "$build" -j"$(nproc)"

demo="$top/demo"
if [ ! -e "$demo/tdat9.bin" ]; then
  "$build/velno-cli" demo --out "$demo"
fi
"$build/velno-cli" --data "$demo" info
"$build/velno-cli" --data "$demo" dump
