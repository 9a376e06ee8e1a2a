// Benchmarks of one animation tick of the main window (time step, erase, update of the two
// rippled lines of every streamline, draw) into the plot view's backing image (600 × 400 device
// pixels, or 1200 × 800 at a device pixel ratio of 2), at the start-up parameters and at the
// heaviest solution the program accepts. Runs without a display.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "tests/common/ParameterSets.hpp"
#include "tests/ui/UiTestSupport.hpp"
#include "ui/Form1.hpp"
#include "ui/PlotView.hpp"

namespace {

// A window started with texts, its timer stopped so that the ticks are given by hand.
std::unique_ptr<Form1> StartedWindow(const jouk::ParameterTexts& texts) {
  auto form = std::make_unique<Form1>();
  StartWithTexts(*form, texts);
  if (Store(*form).nPts.empty()) qFatal("the benchmark's parameters are rejected");
  return form;
}

void Tick(benchmark::State& state, const jouk::ParameterTexts& texts) {
  const std::unique_ptr<Form1> form = StartedWindow(texts);
  // The first ticks after a start erase the previous run's lines; measure the steady state.
  for (int k = 0; k < 3; ++k) form->Timer1_Timer();
  for (auto _ : state) {
    form->Timer1_Timer();
    benchmark::ClobberMemory();
  }
  const jouk::FlowState& st = Store(*form);
  int segments = 0;
  for (std::size_t i = 1; i < st.nPts.size(); ++i) segments += 4 * std::max(st.nPts[i] - 1, 0);
  state.counters["segments"] = segments;
}

}  // namespace

int main(int argc, char** argv) {
  // No display: the window is built on the offscreen platform and never shown.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // At a device pixel ratio other than 1 (QT_SCALE_FACTOR) the names say so: "tick@2x/heavy".
  const double ratio = PlotView().devicePixelRatioF();
  const std::string prefix =
      ratio == 1 ? std::string("tick/") : "tick@" + QString::number(ratio).toStdString() + "x/";
  benchmark::RegisterBenchmark((prefix + "startup").c_str(), Tick, jouk::testing::StartupTexts())
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark((prefix + "heavy").c_str(), Tick, jouk::testing::HeavyTexts())
      ->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
