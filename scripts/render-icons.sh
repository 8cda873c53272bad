#!/bin/bash
# Renders the PNG sizes of the desktop icons from their SVG sources into
# packaging/icons/SIZE/. Run it after changing an SVG and commit the PNGs.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing (Debian package librsvg2-bin)" >&2; exit 1; }
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$size"
  for svg in *.svg; do
    rsvg-convert -w "$size" -h "$size" -o "$size/${svg%.svg}.png" "$svg"
  done
done
