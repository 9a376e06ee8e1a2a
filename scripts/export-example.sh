#!/usr/bin/env bash
# Builds the programs and writes docs/export.svg: the flow of the start-up texts as
# joukowsky-export draws it, at the moment of docs/screenshot.png (START and four animation
# ticks, time 0.4), so that the README can show the two side by side.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
jouk_install_packages "${JOUK_PACKAGES[@]}" "${JOUK_FULL_PACKAGES[@]}"
jouk_build build -DJOUK_BUILD_UI=ON -DJOUK_BUILD_TESTS=ON
mkdir -p "$JOUK_ROOT/docs"
"$JOUK_ROOT/build/tools/joukowsky-export" --format svg --time 0.4 \
  --output "$JOUK_ROOT/docs/export.svg"
echo "wrote docs/export.svg"
