#!/usr/bin/env bash
# Installs what is missing, builds in build/ and starts Joukowsky Streamlines. Only the window is
# built, so neither the test libraries nor help2man are needed.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
jouk_install_packages "${JOUK_PACKAGES[@]}"
JOUK_TARGETS=joukowsky-streamlines jouk_build build -DJOUK_BUILD_UI=ON -DJOUK_BUILD_TESTS=OFF \
  -DJOUK_MAN_PAGES=OFF
exec "$JOUK_ROOT/build/ui/joukowsky-streamlines" "$@"
