#include "model/SurfaceFlow.hpp"

#include <cmath>
#include <complex>
#include <initializer_list>
#include <string>

#include "model/Mdl_ZORAP.hpp"
#include "model/Translatable.hpp"

namespace jouk {

namespace {

using Complex = std::complex<double>;

bool AllFinite(std::initializer_list<double> values) {
  for (const double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

// The point (X, Y) of the mirrored map's plane turned clockwise by α, as the recompute turns:
// X′ = X·cos α + Y·sin α, Y′ = Y·cos α − X·sin α.
void Turn(const SurfaceFlow& flow, double X, double Y, double& outX, double& outY) {
  outX = X * flow.cosAlfa + Y * flow.sinAlfa;
  outY = Y * flow.cosAlfa - X * flow.sinAlfa;
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

}  // namespace

// Each error is an English text marked for translation (context "LiftError"): the lift window
// looks the text up as it stands.
bool MakeSurfaceFlow(const FlowState& st, SurfaceFlow& out, std::string& error) {
  if (st.nPts.empty() || st.nPts[0] < 2) {
    error = QT_TRANSLATE_NOOP("LiftError", "No flow has been computed yet.");
    return false;
  }
  if (st.nExp != 2) {
    error = QT_TRANSLATE_NOOP("LiftError",
                              "The surface quantities need the Joukowsky map (exponent 2).");
    return false;
  }
  if (!AllFinite({st.Pi, st.DegToRad, st.Alfa, st.Eps, st.Mu, st.iKutta, st.CosAlfa, st.SinAlfa}) ||
      !(st.Pi > 0) || !(st.DegToRad > 0)) {
    error = QT_TRANSLATE_NOOP("LiftError",
                              "The stored flow holds a value that is not a finite number.");
    return false;
  }
  if (!(st.Eps >= 0)) {
    error = QT_TRANSLATE_NOOP("LiftError",
                              "The circle of the section must enclose the point ζ = −b (Eps ≥ 0).");
    return false;
  }
  const FlowSetup f = SetUpFlow(st.Alfa, st.Eps, st.Mu, st.iKutta, st.nExp, st.Pi, st.DegToRad);
  if (!AllFinite({f.a, f.b, f.beta, f.Gamma, f.K}) || !(f.a > 0) || !(f.b > 0)) {
    error = QT_TRANSLATE_NOOP("LiftError", "The circle of the section is degenerate.");
    return false;
  }
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
  if (!(std::fabs(flow.kOverA) <= 2 * flow.U)) {
    error = QT_TRANSLATE_NOOP(
        "LiftError",
        "The Kutta factor is too large for this angle of attack: the stagnation points are not on "
        "the section.");
    return false;
  }
  out = flow;
  return true;
}

SurfaceValue EvaluateSurface(const SurfaceFlow& flow, double x, double y) {
  const double a = flow.a;
  const double b = flow.b;
  // ζ − b = 2i·a·sin(x/2)·e^{i(x/2 − β)}; φ = θ + α = x − β is the angle of ζ − ζc.
  const double sx = std::sin(x / 2);
  const Complex minus = Complex(0, 2 * a * sx) * std::polar(1.0, x / 2 - flow.beta);
  const Complex zeta = b + minus;
  // ζ + b: for a sharp leading edge −2i·a·sin(y/2)·e^{i(β + y/2)}, which vanishes exactly there.
  const double sy = std::sin(y / 2);
  const Complex plus = flow.sharpLeadingEdge
                           ? Complex(0, -2 * a * sy) * std::polar(1.0, flow.beta + y / 2)
                           : zeta + b;
  // T(ζ) = 2b + (ζ − b)²/ζ; T′(ζ) = (ζ − b)(ζ + b)/ζ²; dζ/dx = i·a·e^{iφ}.
  const Complex T = 2 * b + minus * minus / zeta;
  const Complex dT = minus * plus / (zeta * zeta) * Complex(0, a) * std::polar(1.0, x - flow.beta);

  SurfaceValue v;
  // F = −conj(T): x changes sign, y stays; then the turn.
  Turn(flow, -T.real(), T.imag(), v.x, v.y);
  Turn(flow, -dT.real(), dT.imag(), v.dxdx, v.dydx);

  // Speed: cancel the factor that vanishes at the nearer edge.
  const bool nearTrailingEdge = !flow.sharpLeadingEdge || std::fabs(sx) <= std::fabs(sy);
  const double zeta2 = std::norm(zeta);
  double ratio = 0;
  double other = 0;
  if (nearTrailingEdge) {
    // (θ + θTE)/2 = x/2 − α − β
    v.bounded =
        EdgeRatio(flow, sx, std::cos(x / 2 - flow.alpha - flow.beta), flow.trailingEdgeRest, ratio);
    other = std::abs(plus);
  } else {
    // cos((θ + θLE)/2) = cos(π + β − α + y/2) = −cos(β − α + y/2)
    v.bounded =
        EdgeRatio(flow, sy, -std::cos(flow.beta - flow.alpha + y / 2), flow.leadingEdgeRest, ratio);
    other = std::abs(minus);
  }
  if (!v.bounded || other == 0) {
    v.bounded = false;
    v.speed = HUGE_VAL;
    return v;
  }
  v.speed = ratio * zeta2 / other;
  return v;
}

double DistanceFromTrailingEdge(const SurfaceFlow& flow, double x) {
  const double s = std::sin(x / 2);
  const Complex minus = Complex(0, 2 * flow.a * s) * std::polar(1.0, x / 2 - flow.beta);
  return 4 * flow.a * flow.a * s * s / std::abs(flow.b + minus);
}

}  // namespace jouk
