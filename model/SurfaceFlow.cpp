#include "model/SurfaceFlow.hpp"

#include <cmath>
#include <initializer_list>
#include <optional>

#include "model/ConformalMap.hpp"
#include "model/Mdl_ZORAP.hpp"

namespace jouk {

namespace {

bool AllFinite(std::initializer_list<double> values) {
  for (const double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

// The circle speed over the distance to an edge ζe = ±b on the circle:
// |2U·sin θ + K/a| / |ζ − ζe| = |2U·c + R/(2s)| / a, with s = sin((θ−θe)/2),
// c = cos((θ+θe)/2) and R the speed factor at the edge; R = 0 gives (2U/a)·|c|. Returns false
// when the ratio is unbounded (at the edge itself with R ≠ 0).
bool EdgeRatio(const SurfaceFlow& flow, double s, double c, double rest, double& ratio) {
  if (rest == 0) {
    ratio = 2 * flow.U * std::fabs(c) / flow.a;
    return true;
  }
  if (s == 0) return false;
  ratio = std::fabs(2 * flow.U * c + rest / (2 * s)) / flow.a;
  return true;
}

// A contour point by its offsets from the two edges: ζ, ζ − b, ζ + b, and the sines of the half
// angles from the trailing edge (sx) and from the sharp leading edge (sy).
struct EdgeOffsets {
  Complex zeta, minus, plus;
  double sx = 0, sy = 0;
};

// The speed |dw/dz|/|T′(ζ)| at the contour point x (y from the sharp nose), with the factor that
// vanishes at the nearer edge cancelled; false, with speed HUGE_VAL, where it is unbounded.
bool SurfaceSpeed(const SurfaceFlow& flow, double x, double y, const EdgeOffsets& e,
                  double& speed) {
  const bool nearTrailingEdge = !flow.sharpLeadingEdge || std::fabs(e.sx) <= std::fabs(e.sy);
  const double zeta2 = std::norm(e.zeta);
  double ratio = 0;
  double other = 0;
  bool bounded = false;
  if (nearTrailingEdge) {
    // (θ + θTE)/2 = x/2 − α − β
    bounded = EdgeRatio(flow, e.sx, std::cos(x / 2 - flow.alpha - flow.beta), flow.trailingEdgeRest,
                        ratio);
    other = std::abs(e.plus);
  } else {
    // cos((θ + θLE)/2) = cos(π + β − α + y/2) = −cos(β − α + y/2)
    bounded = EdgeRatio(flow, e.sy, -std::cos(flow.beta - flow.alpha + y / 2), flow.leadingEdgeRest,
                        ratio);
    other = std::abs(e.minus);
  }
  if (!bounded || other == 0) {
    speed = HUGE_VAL;
    return false;
  }
  speed = ratio * zeta2 / other;
  return true;
}

// Why the store's flow has no surface quantities, or nothing when it has them.
std::optional<MessageId> StoreRefusal(const FlowState& st) {
  if (st.nPts.empty() || st.nPts[0] < 2) return MessageId::kNoFlowYet;
  if (st.nExp != 2) return MessageId::kNotJoukowskyMap;
  if (!AllFinite({st.Pi, st.DegToRad, st.Alfa, st.Eps, st.Mu, st.iKutta, st.CosAlfa, st.SinAlfa}) ||
      !(st.Pi > 0) || !(st.DegToRad > 0)) {
    return MessageId::kNotFinite;
  }
  if (!(st.Eps >= 0)) return MessageId::kNoseOutsideCircle;
  return std::nullopt;
}

// Why the circle of the working quantities cannot carry the surface formulas, or nothing.
std::optional<MessageId> CircleRefusal(const FlowSetup& f, double Pi) {
  if (!AllFinite({f.a, f.b, f.beta, f.Gamma, f.K}) || !(f.a > 0) || !(f.b > 0)) {
    return MessageId::kDegenerateCircle;
  }
  return StagnationRefusal(f, Pi);
}

// The surface flow of the store's parameters and their working quantities f.
SurfaceFlow SurfaceFlowOf(const FlowState& st, const FlowSetup& f) {
  SurfaceFlow flow;
  flow.U = f.U;
  flow.alpha = f.alpha;
  flow.cosAlfa = st.CosAlfa;
  flow.sinAlfa = st.SinAlfa;
  flow.a = f.a;
  flow.b = f.b;
  flow.beta = f.beta;
  flow.iKutta = st.iKutta;
  flow.Gamma = f.Gamma;
  flow.K = f.K;
  const double sinAB = std::sin(f.alpha + f.beta);
  // K/a = Γ/(2π·U·a) = 2U·sin(α+β)·iKutta.
  flow.kOverA = 2 * f.U * sinAB * st.iKutta;
  // 2U·sin θTE + K/a with sin θTE = −sin(α+β): zero exactly under the Kutta condition.
  flow.trailingEdgeRest = 2 * f.U * sinAB * (st.iKutta - 1);
  flow.sharpLeadingEdge = st.Eps == 0;
  flow.sharpEdgeAngle = st.Pi + 2 * f.beta;
  // θLE = π + β − α, so sin θLE = sin(α − β).
  flow.leadingEdgeRest = 2 * f.U * (std::sin(f.alpha - f.beta) + sinAB * st.iKutta);
  return flow;
}

}  // namespace

bool MakeSurfaceFlow(const FlowState& st, SurfaceFlow& out, MessageId& reason) {
  std::optional<MessageId> refusal = StoreRefusal(st);
  if (!refusal) {
    const FlowSetup f = SetUpFlow(st.Alfa, st.Eps, st.Mu, st.iKutta, st.nExp, st.Pi, st.DegToRad);
    refusal = CircleRefusal(f, st.Pi);
    if (!refusal) out = SurfaceFlowOf(st, f);
  }
  if (refusal) reason = *refusal;
  return !refusal;
}

SurfaceValue EvaluateSurface(const SurfaceFlow& flow, double x, double y) {
  const double a = flow.a;
  const double b = flow.b;
  EdgeOffsets e;
  // ζ − b = 2i·a·sin(x/2)·e^{i(x/2 − β)}; φ = θ + α = x − β is the angle of ζ − ζc.
  e.sx = std::sin(x / 2);
  e.minus = Complex(0, 2 * a * e.sx) * std::polar(1.0, x / 2 - flow.beta);
  e.zeta = b + e.minus;
  // ζ + b: for a sharp leading edge −2i·a·sin(y/2)·e^{i(β + y/2)}, which vanishes exactly there.
  e.sy = std::sin(y / 2);
  e.plus = flow.sharpLeadingEdge ? Complex(0, -2 * a * e.sy) * std::polar(1.0, flow.beta + y / 2)
                                 : e.zeta + b;
  // T(ζ) = 2b + (ζ − b)²/ζ; dT/dx = T′(ζ)·dζ/dx with T′(ζ) = (ζ − b)(ζ + b)/ζ², dζ/dx = i·a·e^{iφ}.
  const Complex T = JoukowskyAboutEdge(e.minus, e.zeta, b);
  const Complex dT =
      JoukowskyDerivative(e.minus, e.plus, e.zeta) * Complex(0, a) * std::polar(1.0, x - flow.beta);

  SurfaceValue v;
  // F = −conj(T), then the turn; the tangent alike.
  const Complex P = TurnByAngle(Mirror(T), flow.cosAlfa, flow.sinAlfa);
  const Complex dP = TurnByAngle(Mirror(dT), flow.cosAlfa, flow.sinAlfa);
  v.x = P.real();
  v.y = P.imag();
  v.dxdx = dP.real();
  v.dydx = dP.imag();
  v.bounded = SurfaceSpeed(flow, x, y, e, v.speed);
  return v;
}

double DistanceFromTrailingEdge(const SurfaceFlow& flow, double x) {
  const double s = std::sin(x / 2);
  const Complex minus = Complex(0, 2 * flow.a * s) * std::polar(1.0, x / 2 - flow.beta);
  return 4 * flow.a * flow.a * s * s / std::abs(flow.b + minus);
}

}  // namespace jouk
