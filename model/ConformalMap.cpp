#include "model/ConformalMap.hpp"

#include <cmath>

namespace jouk {

namespace {

bool Finite(Complex z) {
  return std::isfinite(z.real()) && std::isfinite(z.imag());
}

}  // namespace

Complex Joukowsky(Complex zeta, double b) {
  if (zeta == 0.0) return {HUGE_VAL, 0.0};
  return zeta + b * b / zeta;
}

Complex JoukowskyAboutEdge(Complex d, Complex zeta, double b) {
  if (zeta == 0.0) return {HUGE_VAL, 0.0};
  return 2 * b + d * d / zeta;
}

Complex JoukowskyDerivative(Complex zeta, double b) {
  return JoukowskyDerivative(zeta - b, zeta + b, zeta);
}

Complex JoukowskyDerivative(Complex minus, Complex plus, Complex zeta) {
  // T′ = 1 − b²/ζ² grows without bound towards the pole.
  if (zeta == 0.0) return {-HUGE_VAL, 0.0};
  return minus * plus / (zeta * zeta);
}

Complex InverseJoukowsky(Complex w, double b) {
  if (!Finite(w)) return w;  // the image of infinity is infinity
  // w² − 4b² as (w − 2b)(w + 2b): exact to rounding near the singular values ±2b, where it
  // vanishes. Of the two roots ±s the one with Re(conj(w)·s) ≥ 0 gives the preimage of the larger
  // modulus, since |w + s|² − |w − s|² = 4·Re(conj(w)·s); it also adds w and s without
  // cancellation, whichever side of the square root's branch cut w² − 4b² lies on.
  Complex s = std::sqrt((w - 2 * b) * (w + 2 * b));
  if (w.real() * s.real() + w.imag() * s.imag() < 0) s = -s;
  return (w + s) / 2.0;
}

Complex Mirror(Complex t) {
  return {-t.real(), t.imag()};
}

Complex TurnByAngle(Complex F, double cosAlfa, double sinAlfa) {
  return {F.real() * cosAlfa + F.imag() * sinAlfa, F.imag() * cosAlfa - F.real() * sinAlfa};
}

Complex UnturnByAngle(Complex P, double cosAlfa, double sinAlfa) {
  return {P.real() * cosAlfa - P.imag() * sinAlfa, P.imag() * cosAlfa + P.real() * sinAlfa};
}

Complex PicturePoint(Complex zeta, double b, double cosAlfa, double sinAlfa) {
  return TurnByAngle(Mirror(Joukowsky(zeta, b)), cosAlfa, sinAlfa);
}

Complex CirclePoint(Complex P, double b, double cosAlfa, double sinAlfa) {
  return InverseJoukowsky(Mirror(UnturnByAngle(P, cosAlfa, sinAlfa)), b);
}

Complex FlowCirclePoint(Complex P, double b, double cosAlfa, double sinAlfa, Complex zc) {
  const Complex outer = CirclePoint(P, b, cosAlfa, sinAlfa);
  if (outer == 0.0 || !Finite(outer)) return outer;  // b = 0, or infinity
  const Complex inner = b * b / outer;
  // The larger distance decides: near the section's surface both lie close to a, and only their
  // order is certain.
  return std::norm(inner - zc) > std::norm(outer - zc) ? inner : outer;
}

double PictureSpeed(Complex v, Complex zeta, double b) {
  const double stretch = std::abs(JoukowskyDerivative(zeta, b));
  if (stretch == 0) return HUGE_VAL;
  return std::abs(v) / stretch;
}

}  // namespace jouk
