#include "model/FlowField.hpp"

#include <cmath>
#include <initializer_list>

#include "model/Mdl_ZORAP.hpp"

namespace jouk {

bool MakeFieldFlow(const FlowState& st, FieldFlow& out, MessageId& reason) {
  SurfaceFlow surface;
  if (!MakeSurfaceFlow(st, surface, reason)) return false;
  FieldFlow flow;
  flow.surface = surface;
  const double b = surface.b;
  flow.centre = Complex(st.Eps * (-b), st.Mu * b);  // as the solver places the circle
  // sin θs = −K/(2aU); the rear point has cos θs ≥ 0 and the front one is its mirror x → −x.
  const double sinS = -surface.K / (2 * surface.a * surface.U);
  const double cosS = std::sqrt(1 - sinS * sinS);
  flow.rear = Complex(surface.a * cosS, surface.a * sinS);
  flow.front = Complex(-surface.a * cosS, surface.a * sinS);
  flow.trailingEdgeStagnant = surface.trailingEdgeRest == 0;
  flow.leadingEdgeStagnant = surface.sharpLeadingEdge && surface.leadingEdgeRest == 0;
  out = flow;
  return true;
}

namespace {

// The inverse map near ζ = ±b has only about half the digits (T − 2b ≈ (ζ − b)²/b), so a
// circle-plane point closer to the circle, or to ±b, than these fractions of a and b is taken to
// lie on it: on the surface, in the flow, and at the singular point itself.
constexpr double kOnSurface = 1e-7;
constexpr double kAtSingularPoint = 1e-7;

// ζ with a point within kAtSingularPoint·c of ±c set onto it.
Complex SnappedToSingularPoints(Complex zeta, double c) {
  for (const double edge : {c, -c}) {
    if (std::abs(zeta - edge) < kAtSingularPoint * c) return edge;
  }
  return zeta;
}

// |z − zs| / |ζ − ζe| for a stagnation point zs and a singular point ζe of the map: exactly 1
// when zs is carried onto ζe (the factors are the same up to the turn e^{iα}), otherwise the
// quotient, which is unbounded at ζe itself (HUGE_VAL).
double FactorRatio(Complex z, Complex zs, Complex zeta, double edge, bool cancel) {
  if (cancel) return 1;
  const double below = std::abs(zeta - edge);
  if (below == 0) return HUGE_VAL;
  return std::abs(z - zs) / below;
}

}  // namespace

FieldValue FieldAtCirclePoint(const FieldFlow& flow, Complex zeta) {
  return FieldAtStagePoint(flow, zeta, flow.surface.b);
}

FieldValue FieldAtStagePoint(const FieldFlow& flow, Complex zeta, double c) {
  const SurfaceFlow& f = flow.surface;
  FieldValue v;
  const bool section = c == f.b;  // only there do the stagnation points meet ±c
  zeta = SnappedToSingularPoints(zeta, c);
  v.circle = zeta;
  // z = (ζ − ζc)·e^{−iα}, the placement undone with the solver's own cos α and sin α.
  const Complex z = TurnByAngle(zeta - flow.centre, f.cosAlfa, f.sinAlfa);
  const double r2 = std::norm(z);
  const double onSurface = f.a * (1 - kOnSurface);
  if (!(r2 >= onSurface * onSurface)) {
    v.inside = true;
    return v;
  }
  // ψ = U·y·(1 − a²/r²) + K·ln(r/a)
  v.psi = f.U * z.imag() * (1 - f.a * f.a / r2) + f.K * std::log(std::sqrt(r2) / f.a);
  // V/U = |z − z₁|·|z − z₂|·|ζ|² / (|z|²·|ζ − c|·|ζ + c|)
  const double rearRatio = FactorRatio(z, flow.rear, zeta, c, section && flow.trailingEdgeStagnant);
  const double frontRatio =
      FactorRatio(z, flow.front, zeta, -c, section && flow.leadingEdgeStagnant);
  const double speed = rearRatio * frontRatio * std::norm(zeta) / r2;
  if (!std::isfinite(speed)) {
    v.bounded = false;
    v.speed = HUGE_VAL;
    v.cp = -HUGE_VAL;
    return v;
  }
  v.speed = speed;
  v.cp = 1 - speed * speed;
  return v;
}

FieldValue EvaluateField(const FieldFlow& flow, Complex P) {
  const SurfaceFlow& f = flow.surface;
  return FieldAtCirclePoint(flow, FlowCirclePoint(P, f.b, f.cosAlfa, f.sinAlfa, flow.centre));
}

Complex FieldPicturePoint(const FieldFlow& flow, Complex zeta) {
  const SurfaceFlow& f = flow.surface;
  return PicturePoint(zeta, f.b, f.cosAlfa, f.sinAlfa);
}

}  // namespace jouk
