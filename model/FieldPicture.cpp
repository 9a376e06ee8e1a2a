#include "model/FieldPicture.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/FlowPicture.hpp"
#include "model/MathConstants.hpp"
#include "model/NumberText.hpp"

namespace jouk {

namespace {

// Points of the circle |ζ| = b, the last repeating the first.
constexpr int kCirclePoints = 181;

// The computing-frame point z placed in the circle plane: ζ = z·e^{iα} + ζc.
Complex Placed(const FieldFlow& flow, Complex z) {
  return UnturnByAngle(z, flow.surface.cosAlfa, flow.surface.sinAlfa) + flow.centre;
}

}  // namespace

bool MakeFieldScene(const FlowState& st, const FieldPictureSetup& setup, FieldScene& out,
                    MessageId& reason) {
  if (!(setup.t >= 0 && setup.t <= 1)) {
    reason = MessageId::kNotFinite;
    return false;
  }
  FieldScene s;
  if (!MakeFieldFlow(st, s.flow, reason)) return false;
  s.window = WorldWindowFor(st.Olcek);
  const SurfaceFlow& f = s.flow.surface;
  s.stageLength = StageLength(setup.t, f.b);
  const auto shown = [&](Complex zeta) {
    return StagePoint(zeta, setup.t, f.b, f.cosAlfa, f.sinAlfa, setup.view);
  };
  for (int k = 0; k <= LastStreamline(st, st.kMax); ++k) {
    s.streamlines.push_back(StreamlineAtStage(st, k, setup.t, setup.view));
  }
  for (int k = 0; k < kCirclePoints; ++k) {
    s.singularCircle.push_back(shown(std::polar(f.b, kTwoPi * k / (kCirclePoints - 1))));
  }
  s.centre = shown(s.flow.centre);
  s.singular[0] = shown(f.b);
  s.singular[1] = shown(-f.b);
  s.stagnation[0] = shown(Placed(s.flow, s.flow.rear));
  s.stagnation[1] = shown(Placed(s.flow, s.flow.front));
  out = std::move(s);
  return true;
}

bool FieldCpAt(const FieldScene& scene, const FieldPictureSetup& setup, Complex Q, double& cp) {
  const SurfaceFlow& f = scene.flow.surface;
  const Complex zeta =
      StageCirclePoint(Q, setup.t, f.b, f.cosAlfa, f.sinAlfa, scene.flow.centre, setup.view);
  const FieldValue v = FieldAtStagePoint(scene.flow, zeta, scene.stageLength);
  if (v.inside) return false;
  cp = v.cp;
  return true;
}

namespace {

// The scale's colours at −1, −1/2, 0, 1/2 and 1 times its limit, linear between them.
constexpr std::array<Rgb, 5> kCpAnchors = {MakeRgb(150, 205, 255), MakeRgb(50, 120, 200),
                                           kPlotBackground, MakeRgb(200, 110, 30),
                                           MakeRgb(255, 200, 120)};

int Channel(Rgb c, int shift) {
  return static_cast<int>((c >> shift) & 0xffu);
}

}  // namespace

Rgb CpColor(double cp, double limit) {
  // Position on the scale from 0 (−limit) to 4 (+limit); NaN takes the middle.
  double p = std::isnan(cp) || !(limit > 0) ? 2 : 2 + 2 * cp / limit;
  p = std::clamp(p, 0.0, 4.0);
  const int k = std::min(static_cast<int>(p), 3);
  const double w = p - k;
  int rgb[3];
  for (int c = 0; c < 3; ++c) {
    const int shift = 16 - 8 * c;
    const double lo = Channel(kCpAnchors[k], shift);
    const double hi = Channel(kCpAnchors[k + 1], shift);
    rgb[c] = static_cast<int>(std::lround(lo + (hi - lo) * w));
  }
  return MakeRgb(rgb[0], rgb[1], rgb[2]);
}

double CpScaleLimit(std::vector<double> magnitudes) {
  constexpr double kLimits[] = {1, 2, 5, 10, 20};
  if (magnitudes.empty()) return kLimits[0];
  for (double& m : magnitudes) m = std::isnan(m) ? HUGE_VAL : std::fabs(m);
  // The 99th percentile: a few points next to a sharp edge do not set the scale.
  const std::size_t k = (magnitudes.size() - 1) * 99 / 100;
  std::nth_element(magnitudes.begin(), magnitudes.begin() + static_cast<std::ptrdiff_t>(k),
                   magnitudes.end());
  const double m = magnitudes[k];
  for (const double limit : kLimits) {
    if (m <= limit) return limit;
  }
  return kLimits[std::size(kLimits) - 1];
}

std::vector<BarTick> CpBarTicks(double limit) {
  std::vector<BarTick> ticks;
  for (const double q : {1.0, 0.5, 0.0, -0.5, -1.0}) {
    const double value = q * limit + 0.0;  // + 0.0: no "-0"
    ticks.push_back({value, NumberToText(value)});
  }
  return ticks;
}

double SceneCpLimit(const FieldScene& scene, const FieldPictureSetup& setup) {
  std::vector<double> magnitudes;
  const WorldWindow& w = scene.window;
  for (int i = 0; i < 60; ++i) {
    for (int j = 0; j < 40; ++j) {
      const Complex Q(w.x1 + (w.x2 - w.x1) * (i + 0.5) / 60, w.y1 + (w.y2 - w.y1) * (j + 0.5) / 40);
      double cp = 0;
      if (FieldCpAt(scene, setup, Q, cp)) magnitudes.push_back(cp);
    }
  }
  return CpScaleLimit(std::move(magnitudes));
}

}  // namespace jouk
