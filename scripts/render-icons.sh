#!/usr/bin/env bash
# Renders the program's bitmap icons from the scalable one; run after changing the SVG and
# commit the results, so a build needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh desktop
icons=desktop/icons/hicolor
for size in 16 32 48 64 128 256; do
  mkdir -p "$icons/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$icons/scalable/apps/vexalon.svg" \
    -o "$icons/${size}x${size}/apps/vexalon.png"
done
