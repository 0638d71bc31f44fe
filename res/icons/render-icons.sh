#!/usr/bin/env bash
# Renders the committed PNG icons from quillfen.svg. Run it by hand after changing the SVG;
# the build uses the committed PNGs and needs no renderer (rsvg-convert: Debian librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
# The sizes are the ones res/CMakeLists.txt compiles in.
sizes=$(sed -n 's/^set(QUILLFEN_ICON_SIZES \([0-9 ]*\))$/\1/p' ../CMakeLists.txt)
for size in $sizes; do
  rsvg-convert --width "$size" --height "$size" --output "quillfen-$size.png" quillfen.svg
done
