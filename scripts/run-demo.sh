#!/usr/bin/env bash
# Installs what is missing, builds Velno, creates the demo congregation in
# ./demo when it is absent and opens it: in the desktop program when a
# display is available, otherwise with velno-cli.
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
# With a display: the desktop program on the demo folder.
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/velno" --data "$demo"
fi
# Without one: the month's report to the branch office, and the
# congregation summary as PDF.
"$build/velno-cli" --data "$demo" info
"$build/velno-cli" --data "$demo" tally
"$build/velno-cli" --data "$demo" print 3 --format pdf --out "$demo/ringkasan-sidang.pdf"
echo "Ringkasan sidang: $demo/ringkasan-sidang.pdf"
