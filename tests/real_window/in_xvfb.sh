#!/usr/bin/env bash
# Runs a command on a fresh Xvfb screen at 96 dpi, of 1280x1024 or the size QUARVEL_XVFB_SCREEN
# names (WIDTHxHEIGHT). Exits 77 (a skip for ctest) only when no X server can be started
# here; missing driving tools are a failure.
set -u
if ! command -v xvfb-run >/dev/null || ! command -v Xvfb >/dev/null; then
  echo "SKIP: Xvfb is not installed" >&2
  exit 77
fi
for tool in xdotool import; do
  command -v "$tool" >/dev/null || { echo "missing $tool (tools/setup.sh installs it)" >&2; exit 1; }
done
screen=(-s "-screen 0 ${QUARVEL_XVFB_SCREEN:-1280x1024}x24 -dpi 96 -nolisten tcp")
if ! xvfb-run -a "${screen[@]}" true 2>/dev/null; then
  echo "SKIP: Xvfb cannot start here" >&2
  exit 77
fi
unset WAYLAND_DISPLAY
# The game in English, whatever the caller's locale, unless a test asks for a language
# (and the screenshots it takes stay English).
unset LANGUAGE LC_MESSAGES
exec xvfb-run -a "${screen[@]}" env QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 "$@"
