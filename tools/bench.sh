#!/usr/bin/env bash
# Builds Quarvel Orbix in Release with its benchmarks and runs them all:
#   tools/bench.sh [build folder, default build/release]
# Prints start-up beside a bare Qt window, start-up and Save / Reload over growing
# saved.dat files, and the micro-benchmarks. Needs what `tools/setup.sh test` installs.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build/release}

if ! cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUARVEL_BUILD_BENCHMARKS=ON >/dev/null; then
  echo "Configuring failed; tools/setup.sh test installs what the build needs." >&2
  exit 1
fi
cmake --build "$build" -j "$(nproc)" --target quarvel_logic_bench quarvel_startup_bench quarvel_shortest_bench quarvel-solve quarvel_qt_bench \
  quarvel_bare_window quarvel-orbix
cmake --build "$build" --target bench
