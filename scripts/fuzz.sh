#!/usr/bin/env bash
# Builds the libFuzzer target with clang (build-fuzz/) and runs it for the given number of
# seconds (default 60) on the seed corpus. New inputs go to a scratch folder, not the repository.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
seconds="${1:-60}"
cmake -S "$JOUK_ROOT" -B "$JOUK_ROOT/build-fuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DJOUK_BUILD_UI=OFF -DJOUK_SANITIZE=ON -DJOUK_BUILD_FUZZ=ON >/dev/null
cmake --build "$JOUK_ROOT/build-fuzz" --target pipeline_fuzz
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
ASAN_OPTIONS="detect_leaks=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  "$JOUK_ROOT/build-fuzz/fuzz/pipeline_fuzz" -max_total_time="$seconds" -timeout=20 \
  -rss_limit_mb=2048 -max_len=512 -print_final_stats=1 \
  -dict="$JOUK_ROOT/fuzz/texts.dict" "$work" "$JOUK_ROOT/fuzz/corpus" 2>&1 |
  grep -E '^(#[0-9]+ +DONE|Done|stat::number_of_executed_units|==[0-9]+==|SUMMARY|invariant)' || true
# grep hides the progress lines; the fuzzer's own status decides.
exit "${PIPESTATUS[0]}"
