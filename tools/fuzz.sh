#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# in build/fuzz and runs one target, or each in turn, for a bounded time.
#   tools/fuzz.sh TARGET|all SECONDS
# Targets: fame_file saved_games_file home_positions_file game_number script_reader.
# Inputs found to add coverage go to build/fuzz/fuzz/work/TARGET. A failing input is
# written as build/fuzz/fuzz/crash-TARGET-*: fix the fault, then keep the input in
# fuzz/corpus/TARGET/ (named regression-WHAT) so that every later run checks it again.
set -euo pipefail

targets=(fame_file saved_games_file home_positions_file game_number script_reader)
target=${1:-} seconds=${2:-}
if [ -z "$target" ] || ! [[ "$seconds" =~ ^[0-9]+$ ]]; then
  echo "usage: $0 TARGET|all SECONDS   (targets: ${targets[*]})" >&2
  exit 2
fi
[ "$target" = all ] && selected=("${targets[@]}") || selected=("$target")

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build/fuzz"
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DQUARVEL_BUILD_GUI=OFF -DQUARVEL_FUZZ=ON \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j 2 --target "${selected[@]/#/fuzz_}"

for t in "${selected[@]}"; do
  mkdir -p "$build/fuzz/work/$t"
  echo "== fuzz_$t for $seconds s"
  "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=4096 -timeout=20 -print_final_stats=1 \
      -artifact_prefix="$build/fuzz/crash-$t-" "$build/fuzz/work/$t" "$root/fuzz/corpus/$t"
done
