#!/usr/bin/env bash
# Installs the Debian 12 packages Velno needs to build, test and run.
# Works as root, or as a user with sudo. Installs only what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-format
  # The fuzz harnesses: clang with libFuzzer and the sanitizer run-times.
  clang libclang-rt-14-dev
)
# Extra packages for the GUI and its tests come from scripts/packages-gui.txt
# once the GUI exists.
here=$(cd "$(dirname "$0")" && pwd)
if [ -f "$here/packages-gui.txt" ]; then
  while read -r p; do [ -n "$p" ] && packages+=("$p"); done < <(grep -v '^#' "$here/packages-gui.txt")
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
