#!/usr/bin/env bash
# Runs the built program under Xvfb in a scratch folder with a small Hall of Fame and a few
# saved games, clicks through its three windows with xdotool and saves what they show as
# docs/main-window.png, docs/hall-of-fame-window.png and docs/reload-window.png.
# Needs: xvfb, xauth, xdotool, imagemagick.   Usage: tools/take_screenshots.sh [build dir]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=$(realpath -m "${1:-$root/build}/ui/qt/quarvel-orbix")
[ -x "$program" ] || { echo "no program at $program" >&2; exit 1; }

if [ -z "${QUARVEL_IN_XVFB:-}" ]; then
  QUARVEL_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$root/data/quarvel.dat" "$folder/"
printf '%s\r\n' '"Ann","5252855902758",0.0011921296296296296,"Jan 01, 2026"' \
  '"Bartholomew Xy","10461394943999",0.0034837962962962963,"Dec 31, 2025"' \
  '"Cy","7",0.041655092592592594,"Jan 02, 2026"' >"$folder/Fame.dat"
printf '%s\r\n' 0 9807557760000 5252855902758 >"$folder/saved.dat"
mkdir -p "$root/docs"

(cd "$folder" && exec "$program") & pid=$!
trap 'kill $pid 2>/dev/null; rm -rf "$folder"' EXIT
sleep 2
kill -0 $pid 2>/dev/null || { echo "the program did not stay up" >&2; exit 1; }

# The window that is up, and its place on the screen (X, Y, WIDTH, HEIGHT).
up() { xdotool search --onlyvisible --name "Quarvel Orbix" | head -1; }
place() { eval "$(xdotool getwindowgeometry --shell "$1")"; }
# Clicks the centre of a control given in twips (Left Top Width Height) in the window at X, Y;
# the screen has 96 dpi, 15 twips a pixel.
click() {
  xdotool mousemove $((X + ($1 + $3 / 2) / 15)) $((Y + ($2 + $4 / 2) / 15)) click 1
  sleep 1
}

w=$(up); place "$w"; mainX=$X; mainY=$Y
import -window "$w" "$root/docs/main-window.png"

click 4080 5904 1824 348                       # Hall of Fame
w=$(up); place "$w"
import -window "$w" "$root/docs/hall-of-fame-window.png"
click 2292 8244 2600 348                       # Return to Main Screen

X=$mainX; Y=$mainY; click 4092 1560 1824 348   # Reload Saved Game
w=$(up); place "$w"
click 4600 924 400 288                         # the combo box's arrow: the list drops down
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$root/docs/reload-window.png"
echo "saved docs/main-window.png, docs/hall-of-fame-window.png, docs/reload-window.png"
