#!/usr/bin/env bash
# Renders the committed PNG icons from quillfen.svg. Run it by hand after changing the SVG;
# the build uses the committed PNGs and needs no renderer (rsvg-convert: Debian librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --output "quillfen-$size.png" quillfen.svg
done
