#include "model/FieldReadout.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/DecimalText.hpp"

namespace jouk {

Complex WorldAt(const WorldWindow& w, double u, double v, double width, double height) {
  return {w.x1 + u * (w.x2 - w.x1) / width, w.y1 + v * (w.y2 - w.y1) / height};
}

FieldProbe ProbeField(const FieldFlow& flow, Complex Q, double t, FlowView view) {
  const SurfaceFlow& f = flow.surface;
  FieldProbe probe;
  probe.shown = Q;
  const Complex zeta = StageCirclePoint(Q, t, f.b, f.cosAlfa, f.sinAlfa, flow.centre, view);
  probe.value = FieldAtStagePoint(flow, zeta, StageLength(t, f.b));
  probe.other = OtherPlanePoint(probe.value.circle, t, f.b, f.cosAlfa, f.sinAlfa, view);
  return probe;
}

double PlayedStage(double seconds, double t0) {
  const double phase = seconds / kMapPlayPeriod + std::clamp(t0, 0.0, 1.0) / 2;
  const double frac = phase - std::floor(phase);
  return 1 - std::fabs(1 - 2 * frac);
}

namespace {

// Below this magnitude a number is written with four places after the point.
constexpr double kFixedBelow = 1e6;
constexpr int kPlaces = 4;

}  // namespace

std::string ReadoutNumber(double v) {
  if (std::isnan(v)) return "nan";
  if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
  if (std::fabs(v) < kFixedBelow) {
    std::string text = FixedDecimals(v, kPlaces);
    // "-0.0000": a value that rounds to zero has no sign.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
  }
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.*e", kPlaces, v);
  return buffer;
}

namespace {

std::string Entry(const ReadoutWords& word, MessageId id, const std::string& value) {
  return word(id) + " = " + value;
}

}  // namespace

std::string ReadoutText(const FieldProbe& probe, const ReadoutWords& word) {
  std::string text = Entry(word, MessageId::kReadoutX, ReadoutNumber(probe.shown.real())) + ", " +
                     Entry(word, MessageId::kReadoutY, ReadoutNumber(probe.shown.imag())) + "\n";
  const FieldValue& v = probe.value;
  if (v.inside) return text + word(MessageId::kReadoutInside);
  const std::string unbounded = word(MessageId::kReadoutUnbounded);
  text += Entry(word, MessageId::kReadoutSpeed, v.bounded ? ReadoutNumber(v.speed) : unbounded);
  text += ", " + Entry(word, MessageId::kReadoutCp, v.bounded ? ReadoutNumber(v.cp) : unbounded);
  return text + ", " + Entry(word, MessageId::kReadoutPsi, ReadoutNumber(v.psi));
}

}  // namespace jouk
