#!/usr/bin/env bash
# Renders the icon's PNGs from the SVG; run after changing the SVG and commit the results.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for px in 16 32 48 64 128 256; do
    rsvg-convert --width "$px" --height "$px" example.velmora.SudokuVelmora.svg -o "png/$px.png"
done
