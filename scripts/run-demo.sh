#!/usr/bin/env bash
# Installs what is missing, builds Velno, creates the demo congregation in
# ./demo when it is absent and opens it: in the desktop program when a
# display is available, otherwise with velno-cli.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
./scripts/install-deps.sh

# One compile for a newcomer: the test command's build when it is there
# (only the two programs are brought up to date), else a release build.
if [ -z "${VELNO_BUILD:-}" ] && [ -f "${VELNO_TEST_BUILD:-build-test}/CMakeCache.txt" ]; then
  build=${VELNO_TEST_BUILD:-build-test}
  cmake --build "$build" -j"$(nproc)" --target velno velno-cli
else
  build=${VELNO_BUILD:-build}
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELNO_TESTS=OFF -DVELNO_BENCH=OFF
  cmake --build "$build" -j"$(nproc)"
fi
velno="$build/src/app/velno"
cli="$build/src/cli/velno-cli"

demo="$top/demo"
if [ ! -e "$demo/tdat9.bin" ]; then
  "$cli" demo --out "$demo"
fi
# With a display: the desktop program on the demo folder.
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$velno" --data "$demo"
fi
# Without one: the month's report to the branch office, and the
# congregation summary as PDF.
"$cli" --data "$demo" info
"$cli" --data "$demo" tally
"$cli" --data "$demo" print 3 --format pdf --out "$demo/ringkasan-sidang.pdf"
echo "Ringkasan sidang: $demo/ringkasan-sidang.pdf"
