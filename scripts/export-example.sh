#!/usr/bin/env bash
# Builds the exporter and writes the documentation's exported pictures: docs/export.svg, the flow
# of the start-up texts at the moment of docs/screenshot.png (START and four animation ticks,
# time 0.4), so that the README can show the two side by side, and docs/animation.gif, the
# looping animation of the same flow (ten frames from time 0.1).
set -euo pipefail
source "$(dirname "$0")/setup.sh"
jouk_install_packages "${JOUK_PACKAGES[@]}"
JOUK_TARGETS=joukowsky-export jouk_build build -DJOUK_BUILD_UI=ON
mkdir -p "$JOUK_ROOT/docs"
exporter="$JOUK_ROOT/build/tools/joukowsky-export"
"$exporter" --format svg --time 0.4 --output "$JOUK_ROOT/docs/export.svg"
"$exporter" --format gif --output "$JOUK_ROOT/docs/animation.gif"
echo "wrote docs/export.svg and docs/animation.gif"
