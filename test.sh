#!/usr/bin/env bash
# Installs what is missing, builds in build/ and runs every test through ctest.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
jouk_install_packages "${JOUK_PACKAGES[@]}"
jouk_build build
ctest --test-dir "$JOUK_ROOT/build" --output-on-failure --parallel "$(nproc)"
