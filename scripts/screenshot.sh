#!/usr/bin/env bash
# Builds the program and writes the documentation's pictures of the window, drawn on Qt's
# offscreen platform, so no display is needed: docs/screenshot.png (the main window after START
# and four animation ticks), docs/screenshot@2x.png (the same at a device pixel ratio of 2),
# docs/lift.png (beside the lift window), docs/menu.png (the plot's context menu open) and
# docs/field-window-0.png, docs/field-window-0.5.png, docs/field-window-1.png (the flow field
# window at the map's stages 0, 0.5 and 1, with the pressure colours).
set -euo pipefail
source "$(dirname "$0")/setup.sh"
jouk_install_packages "${JOUK_PACKAGES[@]}" "${JOUK_FULL_PACKAGES[@]}"
JOUK_TARGETS=ui-screenshot jouk_build build -DJOUK_BUILD_UI=ON -DJOUK_BUILD_TESTS=ON
mkdir -p "$JOUK_ROOT/docs"
tool="$JOUK_ROOT/build/tests/ui/ui-screenshot"
export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8
"$tool" main "$JOUK_ROOT/docs/screenshot.png"
QT_SCALE_FACTOR=2 "$tool" main "$JOUK_ROOT/docs/screenshot@2x.png"
"$tool" lift "$JOUK_ROOT/docs/lift.png"
"$tool" menu "$JOUK_ROOT/docs/menu.png"
for t in 0 0.5 1; do
  "$tool" field "$t" "$JOUK_ROOT/docs/field-window-$t.png"
done
echo "wrote docs/screenshot.png, docs/screenshot@2x.png, docs/lift.png, docs/menu.png and docs/field-window-*.png"
