// The flow on the surface of the section: position, tangent and speed at any point of the
// contour, in the section plane after the turn by the angle of attack.
//
// A contour point is named by its circle angle x measured from the trailing edge: in the
// computing frame (free stream U along +x, circle |z| = a) the point is z = a·e^{iθ} with
// θ = θTE + x, θTE = −(α + β). The chain to the picture is
//   placement  ζ = z·e^{iα} + ζc,  ζc = (−Eps·b, Mu·b), so that ζ − b = 2i·a·sin(x/2)·e^{i(x/2−β)};
//   map        F(ζ) = −conj(T(ζ)),  T(ζ) = ζ + b²/ζ  (a mirror: |dF| = |T′(ζ)|·|dζ|);
//   turn       P = F·e^{−iα}
// (the map, the mirror and the turn of model/ConformalMap.hpp).
// The trailing edge (x = 0, ζ = b) lands on (−2b·cos α, 2b·sin α), where the contour starts.
#pragma once

#include "model/Mdl_Common.hpp"
#include "model/Messages.hpp"

namespace jouk {

// The quantities of one solved flow that the surface formulas use.
struct SurfaceFlow {
  double U = 1;        // free-stream speed
  double alpha = 0;    // angle of attack, radians
  double cosAlfa = 0;  // the turn the recompute applied (its own cos α and sin α)
  double sinAlfa = 0;
  double a = 0;                   // circle radius
  double b = 0;                   // mapping length; the trailing edge is ζ = b
  double beta = 0;                // angle of the trailing edge seen from the circle centre
  double iKutta = 0;              // circulation factor
  double Gamma = 0;               // circulation 4π·a·U·sin(α+β)·iKutta
  double K = 0;                   // Γ/(2πU)
  double kOverA = 0;              // K/a = 2U·sin(α+β)·iKutta
  double trailingEdgeRest = 0;    // circle speed factor at the TE, 2U·sin θTE + K/a
  bool sharpLeadingEdge = false;  // Eps = 0: the circle passes through ζ = −b as well
  double sharpEdgeAngle = 0;      // x of ζ = −b, π + 2β (used when sharpLeadingEdge)
  double leadingEdgeRest = 0;     // circle speed factor there, 2U·sin θLE + K/a
};

// Builds the surface flow from a store after an accepted recompute. On failure (no solution
// in the store, a map exponent other than 2, values out of range) returns false, leaves out as it
// was and sets reason.
bool MakeSurfaceFlow(const FlowState& st, SurfaceFlow& out, MessageId& reason);

// Position, tangent and speed at one contour point.
struct SurfaceValue {
  double x = 0, y = 0;        // position after the turn
  double dxdx = 0, dydx = 0;  // dP/dx, the tangent per unit circle angle (zero at a cusp)
  double speed = 0;           // |dw/dz| / |T′(ζ)|; meaningful only when bounded
  bool bounded = true;        // false at a sharp edge that is not a stagnation point
};

// Evaluates the contour at circle angle x from the trailing edge. y must be x − sharpEdgeAngle
// (given separately so that points near a sharp leading edge keep their full precision; it is
// ignored when the leading edge is round). Speed V = |dw/dz|/|T′(ζ)| with
// dw/dz = U(1 − a²/z²) + iK/z, so |dw/dz| = |2U·sin θ + K/a| on the circle, and
// T′(ζ) = (ζ − b)(ζ + b)/ζ². Near an edge the vanishing factors are cancelled analytically:
// 2U·sin θ + K/a = 4U·cos((θ+θe)/2)·sin((θ−θe)/2) + R with R the factor at the edge θe, and
// |ζ ∓ b| = 2a·|sin((θ−θe)/2)|, so a stagnation edge (R = 0) has the finite speed
// (2U/a)·|cos((θ+θe)/2)|·|ζ|²/|ζ ± b|.
SurfaceValue EvaluateSurface(const SurfaceFlow& flow, double x, double y);

// Distance of the contour point at x from the trailing edge: |T(ζ) − 2b| = |ζ − b|²/|ζ|.
double DistanceFromTrailingEdge(const SurfaceFlow& flow, double x);

}  // namespace jouk
