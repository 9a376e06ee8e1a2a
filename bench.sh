#!/usr/bin/env bash
# Builds the benchmarks in build-bench/ (Release) and prints the median of repeated runs of each,
# with the machine's core count: the recompute (model_bench) and the animation tick of the window
# on the offscreen platform (ui_bench), at device pixel ratios 1 and 2, then the tick of the browser
# edition in headless Chromium (bench/web_tick.mjs). Extra arguments go to
# Google Benchmark.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
jouk_install_packages "${JOUK_PACKAGES[@]}" "${JOUK_FULL_PACKAGES[@]}" libbenchmark-dev
jouk_build build-bench -DCMAKE_BUILD_TYPE=Release -DJOUK_BUILD_BENCH=ON -DJOUK_BUILD_UI=ON >/dev/null
echo "cores: $(nproc)"
for run in "1 model_bench" "1 ui_bench" "2 ui_bench"; do
  read -r ratio b <<<"$run"
  QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR="$ratio" "$JOUK_ROOT/build-bench/bench/$b" \
    --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
    --benchmark_display_aggregates_only=true "$@" 2>&1 |
    grep -E 'Benchmark|----|_median|Run on|CPU Caches' || true
done

# The tick in Chromium: the browser edition built (./web.sh build) and its test browser.
source "$JOUK_ROOT/scripts/web-setup.sh"
jouk_web_install
jouk_web_build -DJOUK_WEB_TESTS=OFF >/dev/null
(cd "$JOUK_ROOT/tests/web" && npm ci --no-audit --no-fund --silent)
node "$JOUK_ROOT/bench/web_tick.mjs" "$JOUK_WEB_BUILD/dist/joukowsky-streamlines.html"
