#!/usr/bin/env bash
# Renders the checked-in PNG icons from their SVG sources in data/icons/:
# the program icon in the hicolor sizes and the tool button pictures at 16
# and 32 pixels. Run it after changing an SVG and commit the PNGs with it;
# the build itself only reads the PNGs (Qt's SVG module is not needed).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
command -v rsvg-convert >/dev/null || { echo "render-icons: rsvg-convert (librsvg2-bin) is needed" >&2; exit 1; }

for size in 16 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" vxl-r381.svg -o "hicolor/${size}x${size}/vxl-r381.png"
done
for svg in tools/*.svg; do
  name="${svg%.svg}"
  rsvg-convert -w 16 -h 16 "$svg" -o "$name.png"
  rsvg-convert -w 32 -h 32 "$svg" -o "$name@2x.png"
done
