// The flow at any point of the picture's plane, found by undoing the turn, the mirror and the
// map (model/ConformalMap.hpp) and evaluating the flow around the circle there.
//
// How to use it: after an accepted recompute, MakeFieldFlow(st, flow, reason) takes the solved
// flow's quantities from the store once (false with a reason when the store has none); then
// EvaluateField(flow, P) gives, for the picture point P = x + iy in the main picture's
// orientation, the circle-plane point ζ, whether P lies inside the section, the speed V/U, the
// pressure coefficient Cp and the stream function ψ. FieldAtCirclePoint does the same for a
// circle-plane point. A point in another view goes through FromView (model/FlowViews.hpp) first.
//
// The formulas, in the solver's computing frame (free stream U along +x, circle |z| = a):
//   placement  ζ = z·e^{iα} + ζc, ζc = (−Eps·b, Mu·b), so z = (ζ − ζc)·e^{−iα};
//   potential  w(z) = U·(z + a²/z) + iK·ln(z/a);
//   stream     ψ = Im w = U·y·(1 − a²/|z|²) + K·ln(|z|/a), constant along each streamline;
//   velocity   dw/dz = U·(1 − a²/z²) + iK/z = U·(z − z₁)(z − z₂)/z², z₁ and z₂ the stagnation
//              points a·e^{iθs}, a·e^{i(π−θs)} with sin θs = −K/(2aU);
//   speed      V = |dw/dz| / |T′(ζ)|, T′(ζ) = (ζ − b)(ζ + b)/ζ², so
//              V/U = |z − z₁|·|z − z₂|·|ζ|² / (|z|²·|ζ − b|·|ζ + b|);
//   pressure   Cp = 1 − (V/U)² (Bernoulli).
// At the singular points ζ = ±b the map's derivative vanishes. Where the circle's stagnation
// point lies there (the trailing edge under the Kutta condition, factor 1; a sharp leading edge
// that the front stagnation point meets) z − z₁ = (ζ − b)·e^{−iα} exactly, the two factors
// cancel, and the speed has its finite limit, at the trailing edge U·(b/a)·cos(α+β). Anywhere
// else at ±b the speed is unbounded: `bounded` is false, speed +∞ and Cp −∞, never NaN.
#pragma once

#include "model/ConformalMap.hpp"
#include "model/Mdl_Common.hpp"
#include "model/Messages.hpp"
#include "model/SurfaceFlow.hpp"

namespace jouk {

// The solved flow's quantities that the field formulas use.
struct FieldFlow {
  SurfaceFlow surface;  // a, b, α, β, K, U, the recompute's turn and the edges' speed factors
  Complex centre;       // ζc, the generating circle's centre in the circle plane
  Complex rear;         // z₁ = a·e^{iθs}, the rear stagnation point in the computing frame
  Complex front;        // z₂ = a·e^{i(π−θs)}, the front one
  bool trailingEdgeStagnant = false;  // z₁ maps to ζ = b (Kutta factor 1)
  bool leadingEdgeStagnant = false;   // z₂ maps to ζ = −b on a sharp leading edge
};

// Takes the field quantities from a store after an accepted recompute; false, with the reason
// and out left as it was, when the store holds no solved Joukowsky flow (as MakeSurfaceFlow).
bool MakeFieldFlow(const FlowState& st, FieldFlow& out, MessageId& reason);

// The flow at one point.
struct FieldValue {
  Complex circle;       // ζ, the circle-plane point (after the solver's placement)
  bool inside = false;  // the point lies inside the section (|z| < a); the values below are 0
  bool bounded = true;  // false at a singular point of the map that is not a stagnation point
  double speed = 0;     // V/U (+∞ when unbounded)
  double cp = 0;        // 1 − (V/U)² (−∞ when unbounded)
  double psi = 0;       // ψ, the stream function, the solver's ψk along streamline k
};

// The flow at the circle-plane point ζ (after placement).
FieldValue FieldAtCirclePoint(const FieldFlow& flow, Complex zeta);

// The flow around the intermediate body of the map's stage of length c = √t·b (model/FlowViews):
// the same ψ, and V = |dw/dz| / |1 − c²/ζ²|, whose singular points are ±c; c = b is the section
// (FieldAtCirclePoint), c = 0 the circle itself.
FieldValue FieldAtStagePoint(const FieldFlow& flow, Complex zeta, double c);

// The flow at the picture point P (main orientation): ζ = FlowCirclePoint(P), the preimage
// outside the generating circle, then FieldAtCirclePoint.
FieldValue EvaluateField(const FieldFlow& flow, Complex P);

// The picture point of the circle-plane point ζ, as the recompute's map and turn place it.
Complex FieldPicturePoint(const FieldFlow& flow, Complex zeta);

}  // namespace jouk
