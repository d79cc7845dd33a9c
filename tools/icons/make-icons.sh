#!/usr/bin/env bash
# Redraws the program's PNG icons from its SVG icon (needs rsvg-convert,
# Debian's librsvg2-bin). Run after changing the SVG; the PNGs are kept in
# the repository so that a build needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/../../resources/desktop"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" org.korvalen.Korvalen.svg -o "icons/$size.png"
done
