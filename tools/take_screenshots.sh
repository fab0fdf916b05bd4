#!/usr/bin/env bash
# Saves the pictures of the three windows as docs/main-window.png,
# docs/hall-of-fame-window.png and docs/reload-window.png. They are the screenshots the
# real-window test takes while it plays the program under Xvfb with xdotool. Then
# docs/main-window-wayland.png, the screen of weston's headless back end as the accessibility
# game deals its game there.
# Needs: xvfb, xauth, xdotool, imagemagick, and for the Wayland picture what tools/setup.sh
# test installs for the accessibility tests.   Usage: tools/take_screenshots.sh [build dir]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
tests="$build/tests/real_window/quarvel_desktop_tests"
[ -x "$tests" ] || { echo "no $tests: build the tests first" >&2; exit 1; }

QUARVEL_SCREENSHOT_DIR="$root/docs" QUARVEL_PROGRAM="$build/ui/qt/quarvel-orbix" \
  QUARVEL_HOME_FILE="$root/data/quarvel.dat" \
  "$root/tests/real_window/in_xvfb.sh" "$tests" --gtest_filter='RealWindow.ThreeWindows*'
echo "saved docs/main-window.png, docs/hall-of-fame-window.png, docs/reload-window.png"
QUARVEL_SCREENSHOT_DIR="$root/docs" QUARVEL_PROGRAM="$build/ui/qt/quarvel-orbix" \
  QUARVEL_SOLVE="$build/solve_cli/quarvel-solve" QUARVEL_HOME_FILE="$root/data/quarvel.dat" \
  "$root/tests/accessibility/accessible_game.py" wayland
