#!/usr/bin/env bash
# Installs the Debian packages the build needs (those already present are skipped), then
# configures and builds the project in build/. Sourced by run.sh and test.sh.
set -euo pipefail

JOUK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# What the window and the exporter need to build and run (giflib encodes the looping
# animations; Qt's Linguist tools, lupdate and lrelease with their CMake package, build the
# window's translations).
JOUK_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libgif-dev libgl-dev
  fonts-dejavu-core qt6-l10n-tools qt6-tools-dev)
# What the whole build needs besides: the test libraries, and help2man, which writes the manual
# pages from the built programs' --help.
JOUK_FULL_PACKAGES=(libgtest-dev libgmock-dev help2man)
# What the sanitizer and fuzzing stages of test.sh need besides, the checkers of the installed
# desktop entry and AppStream metainfo, groff to render the manual pages in their test, prlimit
# (util-linux) for the file-size limit test of the exporter, Qt's own translations, which the
# window loads when they are there and its translation test checks, and the sources of the C
# library's locales, from which that test makes de_DE.UTF-8 and the others for itself; and what
# `cpack -G DEB` and the package's test use: dpkg-shlibdeps (dpkg-dev), file and lintian.
JOUK_CHECK_PACKAGES=(clang libclang-rt-dev llvm desktop-file-utils appstream groff-base
  util-linux qt6-translations-l10n locales dpkg-dev file lintian)

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

# Configures the folder with the given options and builds everything there, or only the targets
# named in JOUK_TARGETS.
jouk_build() {
  local dir="$1"
  shift
  cmake -S "$JOUK_ROOT" -B "$JOUK_ROOT/$dir" -G Ninja "$@" >/dev/null
  local targets=()
  for target in ${JOUK_TARGETS:-}; do targets+=(--target "$target"); done
  cmake --build "$JOUK_ROOT/$dir" --parallel "$(nproc)" "${targets[@]}"
}
