// libFuzzer target: any eight texts through the recompute pipeline, then a few animation frames.
// The input is split at newlines into the texts of thickness, camber, angle of attack, Kutta
// factor, scale, stream-function step, number of streamlines and radial step; missing texts keep
// their start-up values.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/Animation.hpp"
#include "model/Mdl_Common.hpp"
#include "model/Recompute.hpp"

namespace {

void Require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

jouk::ParameterTexts Split(std::string_view input) {
  jouk::ParameterTexts t;
  for (const jouk::ParameterFacts& p : jouk::kParameters) {
    if (input.empty()) break;
    const std::size_t end = input.find('\n');
    t.*p.text = std::string(input.substr(0, end));
    input = end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);
  }
  return t;
}

void CheckSolution(const jouk::FlowState& st) {
  Require(st.kMax >= 2 && st.kMax <= jouk::kLastStreamline, "2 <= kMax <= 20");
  Require(st.nPts.size() == static_cast<std::size_t>(jouk::RoundHalfEven(st.kMax)) + 1,
          "nPts sized by kMax");
  const int kLast = jouk::LastStreamline(st, st.kMax);
  for (int k = 0; k <= kLast; ++k) {
    const int n = st.nPts[static_cast<std::size_t>(k)];
    Require(n >= 0 && n <= (k >= 3 ? 2 * jouk::kMaxHalfPoints - 1 : jouk::kLastPoint),
            "point count within its bound");
    for (int i = 1; i <= n; ++i) {
      Require(std::isfinite(st.XS(k, i)) && std::isfinite(st.YS(k, i)), "finite point");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static jouk::FlowState solved = [] {
    jouk::FlowState st;
    jouk::LoadInitialisation(st);
    jouk::Recompute(st, jouk::ParameterTexts{});
    return st;
  }();
  static jouk::FlowState st;
  st = solved;  // a store that already holds a valid solution

  const jouk::ParameterTexts texts =
      Split(std::string_view(reinterpret_cast<const char*>(data), size));
  const jouk::RecomputeStatus status = jouk::Recompute(st, texts);
  if (!status.ok) {
    Require(!status.message.empty(), "a rejection says why");
    Require(st == solved, "a rejection leaves the store as it was");
    return 0;
  }
  CheckSolution(st);
  Require(st == st, "no undefined value anywhere in the store");

  jouk::PrepareAnimation(st);
  jouk::ResetAnimationClock(st, 10);
  const int kLast = jouk::LastAnimatedStreamline(st);
  for (int tick = 0; tick < 3; ++tick) {
    jouk::AdvanceAnimationTime(st);
    jouk::UpdateDisplacedLines(st);
    for (int k = 1; k <= kLast; ++k) {
      for (int i = 1; i <= st.nPts[static_cast<std::size_t>(k)]; ++i) {
        Require(std::isfinite(st.YAnim1(k, i)) && std::isfinite(st.YAnim2(k, i)),
                "finite displaced line");
      }
    }
  }
  return 0;
}
