// Benchmarks of the recompute pipeline at the start-up parameters and at the heaviest solution
// the program accepts (21 streamlines of up to 5000 points).
#include <benchmark/benchmark.h>

#include "model/FlowViews.hpp"
#include "model/Mdl_Common.hpp"
#include "model/Recompute.hpp"
#include "tests/common/ParameterSets.hpp"

namespace {

void Recompute(benchmark::State& state, const jouk::ParameterTexts& texts) {
  jouk::FlowState st;
  jouk::LoadInitialisation(st);
  for (auto _ : state) {
    const jouk::RecomputeStatus status = jouk::Recompute(st, texts);
    benchmark::DoNotOptimize(status.ok);
    benchmark::ClobberMemory();
  }
  int points = 0;
  for (const int n : st.nPts) points += n;
  state.counters["points"] = points;
}

// The copy of the circle-plane points that the recompute keeps beside the picture's, alone.
void CircleCopy(benchmark::State& state, const jouk::ParameterTexts& texts) {
  jouk::FlowState st;
  jouk::LoadInitialisation(st);
  jouk::Recompute(st, texts);
  for (auto _ : state) {
    jouk::KeepCirclePlanePoints(st);
    benchmark::ClobberMemory();
  }
}

BENCHMARK_CAPTURE(CircleCopy, startup, jouk::testing::StartupTexts())->Name("circle-copy/startup");
BENCHMARK_CAPTURE(CircleCopy, heavy, jouk::testing::HeavyTexts())->Name("circle-copy/heavy");
BENCHMARK_CAPTURE(Recompute, startup, jouk::testing::StartupTexts())->Name("recompute/startup");
BENCHMARK_CAPTURE(Recompute, heavy, jouk::testing::HeavyTexts())->Name("recompute/heavy");

}  // namespace
