#!/usr/bin/env bash
# Installs the Debian packages the build needs (those already present are skipped), then
# configures and builds the project in build/. Sourced by run.sh and test.sh.
set -euo pipefail

JOUK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# help2man writes the manual pages from the built programs' --help; giflib encodes the looping
# animations.
JOUK_PACKAGES=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev qt6-base-dev libgif-dev
  libgl-dev fonts-dejavu-core help2man)
# What the sanitizer and fuzzing stages of test.sh need besides, the checkers of the installed
# desktop entry and AppStream metainfo, groff to render the manual pages in their test, and
# prlimit (util-linux) for the file-size limit test of the exporter.
JOUK_CHECK_PACKAGES=(clang libclang-rt-14-dev llvm desktop-file-utils appstream groff-base
  util-linux)

jouk_install_packages() {
  local missing=()
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

jouk_build() {
  local dir="$1"
  shift
  cmake -S "$JOUK_ROOT" -B "$JOUK_ROOT/$dir" -G Ninja "$@" >/dev/null
  cmake --build "$JOUK_ROOT/$dir" --parallel "$(nproc)"
}
