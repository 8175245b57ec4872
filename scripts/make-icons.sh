#!/usr/bin/env bash
# Renders the program's icon desktop/icons/dialwright.svg into the PNG sizes of the hicolor
# theme (desktop/icons/NxN.png). The PNGs are committed; run this after changing the SVG.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../desktop/icons"
command -v rsvg-convert >/dev/null || { echo "make-icons.sh: install librsvg2-bin" >&2; exit 1; }
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "${size}x${size}.png" dialwright.svg
done
