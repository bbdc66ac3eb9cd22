#!/usr/bin/env bash
# Start-up benchmark: process start to the first painted main window of
# velno on the demo congregation, against a bare Qt main window of the same
# size started the same way. Each program reports the moment its first paint
# is through and then ends; the two take turns.
#
#   bench/startup/bench_startup.sh [BUILD_DIR]     (default: build-bench)
#
# RUNS sets the number of starts of each (default 15); the medians count.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build-bench}
runs=${RUNS:-15}
# The programs sit in the folder of their sources (src/app, src/cli, bench).
find_exe() {
  for dir in "$build" "$build/src/app" "$build/src/cli" "$build/bench/startup" "$build/bench"; do
    if [ -x "$dir/$1" ]; then echo "$dir/$1"; return; fi
  done
  echo "bench_startup: $1 is not built in $build" >&2
  exit 1
}
velno=$(find_exe velno)
cli=$(find_exe velno-cli)
bare=$(find_exe velno-bare-window)

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$cli" --today 2026-12-08 demo --out "$tmp/demo" >/dev/null
# The start-up notice would wait for a click: switched off, as a user does.
printf '[Nag]\r\nEnabled=1\r\n' > "$tmp/demo/velnoin.ini"

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export VELNO_EXIT_AFTER_FIRST_PAINT=1
export VELNO_INSTANCE_NAME="velno-bench-$$"
export XDG_CONFIG_HOME="$tmp/config"

python3 - "$runs" "$velno" "$bare" "$tmp/demo" <<'PY'
import statistics, subprocess, sys, time
runs, velno, bare, demo = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]

def once(cmd):
    # Start to the first painted window, as the program itself saw it; the
    # time the program then takes to tidy up and end is not start-up.
    start = time.monotonic_ns()
    done = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    if done.returncode != 0:
        sys.exit(f"{cmd[0]} failed: {done.stderr.decode(errors='replace')}")
    for line in done.stdout.decode().splitlines():
        if line.startswith("first-paint "):
            fields = line.split()
            return (int(fields[1]) - start) / 1e6, fields[2] if len(fields) > 2 else None
    sys.exit(f"{cmd[0]} did not report its first paint")

velno_cmd = [velno, "--data", demo, "--today", "2026-12-08"]
# The first start of each warms the file cache and tells velno's window
# size, which the bare window takes so both paint as many pixels; then the
# two take turns, so a machine that speeds up or slows down meanwhile weighs
# on both alike.
_, size = once(velno_cmd)
bare_cmd = [bare] + (["--size", size] if size else [])
once(bare_cmd)
app, base = [], []
for _ in range(runs):
    app.append(once(velno_cmd)[0])
    base.append(once(bare_cmd)[0])
ma, mb = statistics.median(app), statistics.median(base)
print(f"bare Qt window : median {mb:7.1f} ms  ({size or '640x400'}, min {min(base):.1f}, max {max(base):.1f}, {runs} runs)")
print(f"velno on demo  : median {ma:7.1f} ms  (min {min(app):.1f}, max {max(app):.1f}, {runs} runs)")
print(f"ratio          : {ma / mb:.2f}  (target <= 1.5)")
PY
