#include "model/PointCapacity.hpp"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "model/NumberText.hpp"
#include "model/Recompute.hpp"

namespace jouk {

namespace {

// The ladder runs from a millionth of the scale to ten times the scale: with a step below
// Olcek·10^−6 the dividing streamline, one step dR a point, ends long before its 5000 points
// reach the scale, and a step of the scale itself reaches the edge in a few points. So at most
// 3 · 8 trials.
constexpr double kLowestShare = 1e-6;
constexpr double kHighestShare = 10;

// The decimal text of m · 10^k, m one of 1, 2, 5.
std::string LadderText(int m, int k) {
  if (k >= 0) return std::to_string(m) + std::string(static_cast<std::size_t>(k), '0');
  return "0." + std::string(static_cast<std::size_t>(-k - 1), '0') + std::to_string(m);
}

}  // namespace

int StreamlineCapacity(int i) {
  return i <= 2 ? kLastPoint : 2 * kMaxHalfPoints - 1;
}

CapacityCut CapacityCutOf(const FlowState& st) {
  std::vector<double> ends;  // |x| of every far end of a cut streamline inside the picture
  const auto addEnd = [&](int i, int j) {
    const double x = std::fabs(st.XS(i, j));
    if (x < st.Olcek && std::fabs(st.YS(i, j)) < (2.0 / 3.0) * st.Olcek) ends.push_back(x);
  };
  const int kLast = LastStreamline(st, st.kMax);
  for (int i = 1; i <= kLast; ++i) {
    const int n = st.nPts[static_cast<std::size_t>(i)];
    if (n < StreamlineCapacity(i)) continue;
    addEnd(i, n);
    if (i > 2) addEnd(i, 1);
  }
  if (ends.empty()) return {};
  const auto middle = ends.begin() + static_cast<std::ptrdiff_t>(ends.size() / 2);
  std::nth_element(ends.begin(), middle, ends.end());
  return {true, kLastPoint, *middle};
}

std::string NextLadderStep(double step) {
  int k = static_cast<int>(std::floor(std::log10(step)));
  for (int tries = 0; tries < 4; ++tries, ++k) {  // log10 may round across a decade
    for (const int m : {1, 2, 5}) {
      std::string text = LadderText(m, k - 1);
      if (TextToNumber(text) > step) return text;
    }
  }
  return LadderText(1, k);
}

std::optional<double> StepThatFits(const FlowState& st, const ParameterTexts& texts) {
  const double dR = TextToNumber(texts.dR);
  const double olcek = TextToNumber(texts.Olcek);
  if (!(dR > 0) || !std::isfinite(dR) || !(olcek > 0) || !std::isfinite(olcek)) {
    return std::nullopt;
  }
  auto trial = std::make_unique<FlowState>(st);
  ParameterTexts t = texts;
  double step = std::max(dR, kLowestShare * olcek);
  while (step <= kHighestShare * olcek) {
    t.dR = NextLadderStep(step);
    step = TextToNumber(t.dR);
    if (!Recompute(*trial, t).ok) return std::nullopt;
    if (!CapacityCutOf(*trial).cut) return step;
  }
  return std::nullopt;
}

}  // namespace jouk
