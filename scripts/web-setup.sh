#!/usr/bin/env bash
# The browser edition's set-up, sourced by web.sh (and by test.sh for the web tests): what it
# needs from apt, its build in build-web/ and its tests.
#   jouk_web_install   installs what is missing (apt, and node and npm when there are none)
#   jouk_web_build     giflib for wasm, then configures (with the options given) and builds
#                      build-web/
#   jouk_web_test      builds build-web/ with its tests and runs them against the desktop build
#                      in build/ (or JOUK_NATIVE_BUILD), which must hold joukowsky-export and
#                      number_text_hash: test.sh calls it after its first stage
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

# Debian's emscripten (3.1.6, with its binaryen, LLVM and node's acorn), the browser the tests
# drive, dpkg-dev for apt-get source (giflib's sources) and the server's python3.
JOUK_WEB_PACKAGES=(emscripten chromium dpkg-dev python3 cmake ninja-build)
JOUK_WEB_BUILD="$JOUK_ROOT/build-web"
JOUK_EMSCRIPTEN_TOOLCHAIN=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

jouk_web_install() {
  jouk_install_packages "${JOUK_WEB_PACKAGES[@]}"
  # A node of its own (such as NodeSource's, which brings npm) is kept; Debian's otherwise.
  command -v node >/dev/null || jouk_install_packages nodejs
  command -v npm >/dev/null || jouk_install_packages npm
}

jouk_web_build() {
  "$JOUK_ROOT/scripts/web-giflib.sh" "$JOUK_WEB_BUILD"
  local launcher=()
  command -v ccache >/dev/null &&
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  # The toolchain file directly rather than emcmake, whose node emulator option
  # (--experimental-wasm-threads) today's node refuses.
  cmake -S "$JOUK_ROOT/web" -B "$JOUK_WEB_BUILD" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$JOUK_EMSCRIPTEN_TOOLCHAIN" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" \
    -DJOUK_NATIVE_BUILD="${JOUK_NATIVE_BUILD:-$JOUK_ROOT/build}" "${launcher[@]}" "$@" >/dev/null
  cmake --build "$JOUK_WEB_BUILD" --parallel "$(nproc)"
}

jouk_web_test() {
  jouk_web_build -DJOUK_WEB_TESTS=ON
  ctest --test-dir "$JOUK_WEB_BUILD" --output-on-failure --parallel "$(nproc)"
}
