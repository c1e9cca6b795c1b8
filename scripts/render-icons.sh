#!/usr/bin/env bash
# Renders the PNG icons (48 and 256 pixels) from the scalable SVG icons in dist/icons.
# Needs rsvg-convert (Debian package librsvg2-bin); run it after editing an SVG icon.
set -euo pipefail
cd "$(dirname "$0")/../dist/icons"
for svg in scalable/*.svg; do
  name=$(basename "$svg" .svg)
  for size in 48 256; do
    rsvg-convert -w "$size" -h "$size" "$svg" -o "${size}x${size}/$name.png"
  done
done
