#!/usr/bin/env bash
# The web page in headless Chromium: builds the site (tools/build_web.sh) and plays it
# (browser_test.py). tests/web/browser_test.sh WEB_BUILD_DIR TABLES_FILE QUARVEL_SOLVE AXE_FOLDER
# Skipped (77) where emscripten is not installed or Chromium cannot start.
set -u
build=$1 tables=$2 solve=$3 axe=$4/node_modules/axe-core/axe.min.js
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$here/../../tools/build_web.sh" "$build" "$tables" >/dev/null || exit $?
if [ ! -f "$axe" ]; then
  echo "axe-core is not installed in $4 (tools/setup.sh test installs it with npm)" >&2
  exit 1
fi
# Debian's selenium, whichever python3 comes first on the PATH.
exec /usr/bin/python3 "$here/browser_test.py" "$build/web/site" "$solve" "$axe"
