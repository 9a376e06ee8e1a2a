// Streamlines of the flow around the generating circle, the radius iteration they use, the
// conformal map that carries them to the airfoil plane and the turn by the angle of attack.
#pragma once

#include <optional>

#include "model/Mdl_Common.hpp"
#include "model/Messages.hpp"

namespace jouk {

// Exponent of the conformal map: 2 makes the Kármán–Trefftz map the Joukowsky map.
inline constexpr int kMapExponent = 2;
// Points of the circle contour, the last repeating the first.
inline constexpr int kContourPoints = 51;
// The angular step of a further streamline: π / kStepsPerHalfTurn, one degree.
inline constexpr int kStepsPerHalfTurn = 180;
// The radius iteration gives up when its pass count reaches this value, before updating, so it
// makes at most kRadiusPassLimit − 1 updates.
inline constexpr int kRadiusPassLimit = 50;
// The radius iteration has settled when an update moves it by no more than this (absolute).
inline constexpr double kRadiusTolerance = 1e-7;
// Halvings of the bracket that the axis bisection makes at most. The bracket starts at the circle
// radius (at least about 0.2 for every table section) and at most at the largest double, so
// some 1100 halvings close it to adjacent doubles; the bound only guards the loop.
inline constexpr int kBisectionSteps = 2000;

// The generating circle of a section with offsets (Eps, Mu) and map exponent nExp.
struct CircleGeometry {
  double b;     // mapping length: (1/(2n))·(1 − (Eps/(1+Eps))^n)
  double a;     // circle radius: b·((1+Eps)² + Mu²)^0.5
  double beta;  // arctan(Mu/(1+Eps)), angle of the trailing edge seen from the centre
};

// Computes b, a and beta of the generating circle.
CircleGeometry CircleFor(double Eps, double Mu, int nExp);

// The working quantities of one solve of the cylinder flow, shared by the solver and by the
// checks that decide whether a parameter set can be solved at all.
struct FlowSetup {
  double U;      // free-stream speed, 1
  double alpha;  // angle of attack, radians
  double b;      // mapping length
  double a;      // circle radius
  double beta;   // trailing-edge angle seen from the centre
  double Gamma;  // circulation: 4·π·a·U·sin(α+β)·iKutta
  double K;      // Γ/(2·π·U)
};

// Computes the working quantities for the given angle (degrees), offsets and circulation factor.
FlowSetup SetUpFlow(double Alfa, double Eps, double Mu, double iKutta, int nExp, double Pi,
                    double DegToRad);

// Sine of the polar angle of the rear stagnation point, −Γ/(4·π·a·U): on the circle the speed
// is |2U·sinθ + K/a|, which vanishes there. The point exists only when the magnitude is at most 1.
double StagnationSine(const FlowSetup& f, double Pi);

// Whether the rear stagnation point lies on the circle: 1 − sin² ≥ 0 for its sine, the radicand
// of its cosine. The limit of every flow the model solves.
bool StagnationPointOnCircle(const FlowSetup& f, double Pi);

// The reason a flow beyond that limit is refused (the Kutta factor too large for the angle of
// attack), or nothing when its stagnation point is on the circle.
std::optional<MessageId> StagnationRefusal(const FlowSetup& f, double Pi);

// Solves psi = U·(r − a²/r)·sinθ + K·ln(r/a) for r by the damped fixed-point iteration
// r ← (r + g(r))/2 with g(r) = a²/r + ((psi − K·ln(r/a))/U)/sinθ, from r0, tolerance
// kRadiusTolerance on |g(r) − r|, at most kRadiusPassLimit − 1 updates. On success converged = 1
// and r = g(r); otherwise converged = 0 and r is left as it was. Inputs outside the domain
// (sinTheta = 0, a ≤ 0, U = 0, a non-positive or non-finite iterate) also give converged = 0.
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

// Turns every point 1..nPts(i) of streamlines 0..kMax clockwise by the angle of attack:
// X' = X·cos α + Y·sin α, Y' = Y·cos α − X·sin α.
void TurnByAngleOfAttack(FlowState& st);

}  // namespace jouk
