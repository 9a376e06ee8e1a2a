#!/usr/bin/env bash
# Renders the PNG icons in data/icons/ from the SVG drawings; run it after changing a drawing and
# commit the PNGs, so that neither the build nor an install needs an SVG renderer.
# 16, 22 and 24 pixels have drawings of their own (data/icons/joukowsky-streamlines-N.svg), with
# every line on whole pixel rows; the larger sizes come from data/joukowsky-streamlines.svg.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if ! command -v rsvg-convert >/dev/null; then
  echo "icons.sh: rsvg-convert is missing (apt-get install librsvg2-bin)" >&2
  exit 1
fi
for size in 16 22 24 32 48 64 128 256; do
  drawing="$root/data/icons/joukowsky-streamlines-$size.svg"
  [ -f "$drawing" ] || drawing="$root/data/joukowsky-streamlines.svg"
  rsvg-convert --width "$size" --height "$size" --output \
    "$root/data/icons/joukowsky-streamlines-$size.png" "$drawing"
  echo "data/icons/joukowsky-streamlines-$size.png from ${drawing#"$root"/}"
done
