#!/usr/bin/env bash
# Installs what is missing, builds in build/ and starts Joukowsky Streamlines.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
jouk_install_packages "${JOUK_PACKAGES[@]}"
jouk_build build -DJOUK_BUILD_UI=ON
exec "$JOUK_ROOT/build/ui/joukowsky-streamlines" "$@"
