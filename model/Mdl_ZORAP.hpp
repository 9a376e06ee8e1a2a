// Streamlines of the flow around the generating circle, the radius iteration they use, and the
// conformal map that carries them to the airfoil plane.
#pragma once

#include "Mdl_Common.hpp"

namespace jouk {

// The generating circle of a section with offsets (Eps, Mu) and map exponent nExp.
struct CircleGeometry {
  double b;     // mapping length: (1/(2n))·(1 − (Eps/(1+Eps))^n)
  double a;     // circle radius: b·((1+Eps)² + Mu²)^0.5
  double beta;  // arctan(Mu/(1+Eps)), angle of the trailing edge seen from the centre
};

// Computes b, a and beta of the generating circle.
CircleGeometry CircleFor(double Eps, double Mu, int nExp);

// Solves psi = U·(r − a²/r)·sinθ + K·ln(r/a) for r by the damped fixed-point iteration
// r ← (r + g(r))/2 with g(r) = a²/r + ((psi − K·ln(r/a))/U)/sinθ, from r0, tolerance 1e-7 on
// |g(r) − r|, at most 49 updates. On success converged = 1 and r = g(r); otherwise converged = 0
// and r is left as it was. Inputs outside the domain (sinTheta = 0, a ≤ 0, U = 0, a non-positive
// or non-finite iterate) also give converged = 0.
void StreamlineRadius(double a, double r0, double psi, double K, double U, double sinTheta,
                      int& converged, double& r);

// Fills XS, YS and nPts with the circle, the dividing streamline and the further streamlines
// in the circle plane, and sets Rmax, CosAlfa, SinAlfa and nB.
void CircleStreamlines(FlowState& st);

// The image of the circle-plane point (X, Y) under the mirrored Kármán–Trefftz map with
// normalising length xTE, scale nB and exponent n. The trailing edge itself maps to (−nB, 0).
struct MappedPoint {
  double x;
  double y;
};
MappedPoint MapPoint(double X, double Y, double xTE, double nB, int n);

// Replaces every point 1..nPts(i) of streamlines 0..kMax by its image in the airfoil plane.
void MapToAirfoilPlane(FlowState& st);

}  // namespace jouk
