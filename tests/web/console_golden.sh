#!/usr/bin/env bash
# quarvel-console compiled to WebAssembly and run by node passes every golden case, as the
# desktop build's does: tests/web/console_golden.sh WEB_BUILD_DIR TABLES_FILE
# Skipped (77) where emscripten is not installed.
set -u
build=$1 tables=$2
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
"$root/tools/build_web.sh" "$build" "$tables" >/dev/null || exit $?
passed=0 failed=0
for case_dir in "$root"/tests/console/golden/*/; do
  if QUARVEL_RUNNER=node "$root/tests/console/golden/run_case.sh" "$build/console/quarvel-console.js" \
       "$root/data/quarvel.dat" "$case_dir" > "$build/case.log" 2>&1; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $(basename "$case_dir")"
    cat "$build/case.log"
  fi
done
echo "golden cases under node: $passed passed, $failed failed"
[ $failed -eq 0 ]
