#!/usr/bin/env bash
# Runs every benchmark and prints every figure: start-up beside a bare Qt window
# (offscreen, then under Xvfb when it is installed), start-up with growing saved.dat
# files, the logic micro-benchmarks, the Qt window micro-benchmarks and the first deal's
# shortest-solution note in fresh programs.
#   run_benchmarks.sh LOGIC_BENCH STARTUP_BENCH SHORTEST_BENCH [QT_BENCH GAME BARE_WINDOW]
# Started by `cmake --build <build> --target bench` and by tools/bench.sh.
set -euo pipefail

logic=$1
startup=$2
shortest=$3
qt=${4:-}
game=${5:-}
bare=${6:-}
runs=${QUARVEL_BENCH_RUNS:-51}

echo "== Machine"
lscpu | sed -n 's/^Model name: *//p' | head -1 | sed 's/^/  CPU: /'
echo "  cores: $(nproc), memory: $(free -h | awk '/^Mem:/ {print $2}')"
echo "  load average before the run: $(cut -d' ' -f1-3 /proc/loadavg)"
echo

if [ -n "$game" ]; then
  echo "== Start-up (quarvel_startup_bench)"
  "$startup" --program "$game" --bare "$bare" --platform offscreen --runs "$runs"
  echo
  if command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
      "$startup" --program "$game" --bare "$bare" --platform xcb --runs "$runs" --no-scaling
  else
    echo "(xvfb-run is not installed: no figures under Xvfb)"
  fi
  echo
fi

echo "== Shortest solutions (quarvel_shortest_bench)"
"$shortest"
echo

echo "== Logic micro-benchmarks (quarvel_logic_bench)"
"$logic"
echo

if [ -n "$qt" ]; then
  echo "== Qt window micro-benchmarks, offscreen (quarvel_qt_bench)"
  QT_QPA_PLATFORM=offscreen "$qt"
  echo
  echo "== The first deal's shortest-solution note, ten fresh programs (quarvel_qt_bench --first-deal-note)"
  for seed in 1 2 3 4 5 6 7 8 9 10; do QT_QPA_PLATFORM=offscreen "$qt" --first-deal-note "$seed"; done
fi
