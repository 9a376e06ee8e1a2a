#!/usr/bin/env bash
# Installs what is missing, builds in build/ and runs every test through ctest; then builds the
# tests again with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/) and runs them,
# and fuzzes the recompute pipeline for a bounded time (build-fuzz/). The browser edition is
# built in build-web/ and tested in headless Chromium after the first stage.
# JOUK_QUICK=1 runs only the first stage and the browser edition's tests; JOUK_FUZZ_SECONDS sets
# the fuzzing time (default 60).
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
jouk_install_packages "${JOUK_PACKAGES[@]}" "${JOUK_FULL_PACKAGES[@]}" "${JOUK_CHECK_PACKAGES[@]}"

echo "== tests"
jouk_build build -DJOUK_BUILD_UI=ON -DJOUK_BUILD_TESTS=ON -DJOUK_MAN_PAGES=ON
ctest --test-dir "$JOUK_ROOT/build" --output-on-failure --parallel "$(nproc)"

echo "== the browser edition"
source "$JOUK_ROOT/scripts/web-setup.sh"
jouk_web_install
jouk_web_test
[ "${JOUK_QUICK:-0}" = 1 ] && exit 0

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
jouk_build build-asan -DJOUK_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g"
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1" \
  LSAN_OPTIONS="suppressions=$JOUK_ROOT/scripts/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir "$JOUK_ROOT/build-asan" --output-on-failure --parallel "$(nproc)"

echo "== fuzzing the recompute pipeline"
"$JOUK_ROOT/scripts/fuzz.sh" "${JOUK_FUZZ_SECONDS:-60}"
