#!/usr/bin/env bash
# Builds the benchmarks in build-bench/ (Release) and prints the median of repeated runs of each,
# with the machine's core count. Extra arguments go to Google Benchmark.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
jouk_install_packages "${JOUK_PACKAGES[@]}" libbenchmark-dev
jouk_build build-bench -DCMAKE_BUILD_TYPE=Release -DJOUK_BUILD_BENCH=ON >/dev/null
echo "cores: $(nproc)"
for b in "$JOUK_ROOT"/build-bench/bench/*_bench; do
  QT_QPA_PLATFORM=offscreen "$b" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
    --benchmark_display_aggregates_only=true "$@" 2>&1 | grep -E 'Benchmark|----|_median|Run on|CPU Caches' || true
done
