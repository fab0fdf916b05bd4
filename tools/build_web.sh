#!/usr/bin/env bash
# Builds the WebAssembly programs and the page with Debian's emscripten into a build folder:
#   tools/build_web.sh BUILD_DIR [TABLES_FILE]
# TABLES_FILE: the shortest solutions' tables made by a native build, which quarvel-console
# maps under node and the site offers to the page's worker. Exit status 77 when emscripten is not installed.
set -euo pipefail
build=$1 tables=${2:-}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if ! command -v emcmake >/dev/null || ! command -v em++ >/dev/null; then
  echo "emscripten is not installed (apt-get install emscripten): no WebAssembly build" >&2
  exit 77
fi
# Emscripten's tools load Debian's node modules (acorn), also under a node of another origin.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
args=(-DCMAKE_BUILD_TYPE=Release)
[ -n "$tables" ] && args+=(-DQUARVEL_SHORTEST_TABLES_FILE="$tables")
emcmake cmake -S "$root" -B "$build" "${args[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
