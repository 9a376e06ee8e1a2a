// The Joukowsky map in complex form, with its derivative and its inverse, and the picture's
// mirror and turn: the chain from the circle plane to the picture for every computation but the
// recompute's own, which maps its points with MapPoint (Mdl_ZORAP) and whose arithmetic stays as
// it is. For a section with mapping length b, a circle-plane point ζ goes to
//   map     T(ζ) = ζ + b²/ζ            (the trailing edge ζ = b to 2b, ζ = −b to −2b),
//   mirror  F = −conj(T)                (x changes sign: the picture's trailing edge points left),
//   turn    P = F·e^{−iα}               (clockwise by the angle of attack, as the recompute turns).
// The speed in the picture is the circle-plane speed over |T′(ζ)|.
#pragma once

#include <complex>

namespace jouk {

using Complex = std::complex<double>;

// T(ζ) = ζ + b²/ζ. The pole ζ = 0, inside every section's circle, gives an infinite real part.
Complex Joukowsky(Complex zeta, double b);

// The same map written about the trailing edge, T(ζ) = 2b + d²/ζ with d = ζ − b, for a caller
// that knows d more precisely than ζ − b comes out of ζ (near the edge, where T − 2b is tiny).
Complex JoukowskyAboutEdge(Complex d, Complex zeta, double b);

// T′(ζ) = (ζ − b)(ζ + b)/ζ²: zero at the two singular points ζ = ±b.
Complex JoukowskyDerivative(Complex zeta, double b);

// T′(ζ) from the offsets minus = ζ − b and plus = ζ + b as the caller has them.
Complex JoukowskyDerivative(Complex minus, Complex plus, Complex zeta);

// The point ζ with |ζ| ≥ b and T(ζ) = w: ζ = (w + √(w² − 4b²))/2 with the root of the sign that
// makes |ζ| the larger of the two preimages (their product is b², so one lies outside the circle
// |ζ| = b and one inside; on the slit from −2b to 2b both lie on it). ±2b give ±b.
Complex InverseJoukowsky(Complex w, double b);

// The picture's mirror −conj(t): x changes sign, y stays. It is its own inverse.
Complex Mirror(Complex t);

// P = F·e^{−iα} from cos α and sin α: P = (X·cos α + Y·sin α, Y·cos α − X·sin α).
Complex TurnByAngle(Complex F, double cosAlfa, double sinAlfa);

// F = P·e^{iα}, the inverse of TurnByAngle: F = (X·cos α − Y·sin α, Y·cos α + X·sin α).
Complex UnturnByAngle(Complex P, double cosAlfa, double sinAlfa);

// The picture point of the circle-plane point ζ: TurnByAngle(Mirror(T(ζ))).
Complex PicturePoint(Complex zeta, double b, double cosAlfa, double sinAlfa);

// The circle-plane point (|ζ| ≥ b) of the picture point P: the turn, the mirror and the map undone.
Complex CirclePoint(Complex P, double b, double cosAlfa, double sinAlfa);

// The circle-plane point of the picture point P in the flow around the section whose generating
// circle has centre zc: of the two preimages (their product is b²) the one farther
// from zc, which is the one outside that circle. The flow reaches inside |ζ| = b where the
// generating circle does not enclose it (beside the trailing edge of a cambered section); there
// CirclePoint would give a point inside the section. A point inside the section has both
// preimages inside the circle, and gets the farther one too.
Complex FlowCirclePoint(Complex P, double b, double cosAlfa, double sinAlfa, Complex zc);

// The speed in the picture at ζ for the circle-plane velocity v there: |v| / |T′(ζ)|. At ζ = ±b,
// where T′ vanishes, the quotient has no value from the point alone: the result is then
// HUGE_VAL (a flow that stagnates there has a finite limit, which only its formula gives).
double PictureSpeed(Complex v, Complex zeta, double b);

}  // namespace jouk
