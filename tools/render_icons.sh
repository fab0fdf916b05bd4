#!/usr/bin/env bash
# Renders the PNG sizes of the application icon from its SVG (needs rsvg-convert, from
# librsvg2-bin). Run after changing desktop/icons/org.quarvel.orbix.svg; the PNGs are kept
# in the repository so a build needs no SVG renderer.
set -euo pipefail
icons=$(cd "$(dirname "${BASH_SOURCE[0]}")/../desktop/icons" && pwd)
for size in 16 24 32 48 64 128 256; do
  mkdir -p "$icons/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" "$icons/org.quarvel.orbix.svg" -o "$icons/${size}x${size}/org.quarvel.orbix.png"
done
