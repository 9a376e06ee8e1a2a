#!/usr/bin/env bash
# Builds the program and writes docs/screenshot.png: the main window after START and four
# animation ticks, drawn on Qt's offscreen platform, so no display is needed.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
jouk_install_packages "${JOUK_PACKAGES[@]}" "${JOUK_FULL_PACKAGES[@]}"
jouk_build build -DJOUK_BUILD_UI=ON -DJOUK_BUILD_TESTS=ON
mkdir -p "$JOUK_ROOT/docs"
QT_QPA_PLATFORM=offscreen "$JOUK_ROOT/build/tests/ui/ui-screenshot" "$JOUK_ROOT/docs/screenshot.png"
echo "wrote docs/screenshot.png"
