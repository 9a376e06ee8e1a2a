// Lift and surface pressure of the section in the solved flow: circulation, lift coefficient by
// Kutta–Joukowski and by integrating the surface pressure, chord, stagnation points and the
// speed and pressure coefficient along the contour.
//
// Everything is given in the picture's frame, the section plane after the turn by the angle of
// attack. The map that makes the picture is a mirror, so there the free stream comes from the
// right and is inclined by 2α: its direction is −e^{−2iα} (the image of +x at infinity), and the
// lift, across it, points along i·e^{−2iα} = (sin 2α, cos 2α).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Mdl_Common.hpp"
#include "model/Messages.hpp"

namespace jouk {

// Fewest and most contour samples ComputeLiftAndPressure takes.
inline constexpr int kMinSurfacePoints = 16;
inline constexpr int kMaxSurfacePoints = 100000;
// Default number of contour samples.
inline constexpr int kDefaultSurfacePoints = 361;

// One sample of the contour.
struct SurfacePoint {
  int point = 0;             // sample number 1..N along the contour
  double x = 0, y = 0;       // position in the section plane after the turn
  double chordFraction = 0;  // x/c: along the chord, 0 at the leading edge, 1 at the trailing
  double speed = 0;          // local speed over the free-stream speed, V/U
  double cp = 0;             // pressure coefficient 1 − (V/U)²
};

struct LiftAndPressure {
  bool ok = false;
  // Why nothing could be computed, when !ok: the text's id, what fills its places (numbers, the
  // same in every language) and the English text with them put in.
  std::optional<MessageId> errorId;
  std::vector<std::string> errorPlaces;
  std::string error;

  double circulation = 0;            // Γ = 2π·K (clockwise in the computing frame)
  double liftCoefficient = 0;        // Kutta–Joukowski: Cl = 2Γ/(U·c)
  double liftFromPressure = 0;       // −∮Cp·n ds projected across the free stream, / c
  double dragFromPressure = 0;       // the same projected along the free stream, / c
  double pressureIntegralError = 0;  // estimate of the error of the two integrals (last change)
  double chord = 0;        // trailing edge to the farthest contour point (the leading edge)
  double kuttaFactor = 0;  // the circulation factor of the flow

  double trailingEdgeX = 0, trailingEdgeY = 0;
  double leadingEdgeX = 0, leadingEdgeY = 0;
  double frontStagnationX = 0, frontStagnationY = 0;
  double rearStagnationX = 0, rearStagnationY = 0;

  // Trailing edge → upper surface → leading edge → lower surface → trailing edge; the first
  // upperCount points are the upper surface (the leading edge, when present, being its last).
  // The upper surface is the arc met first going round the circle from the trailing edge in the
  // computing frame's positive sense; in the picture it lies to the left of the chord directed
  // from the trailing to the leading edge, the side the lift points to.
  std::vector<SurfacePoint> surface;
  int upperCount = 0;
  bool trailingEdgeOmitted = false;  // Kutta factor ≠ 1: the speed is unbounded there
  bool leadingEdgeOmitted = false;   // zero thickness, flow not smooth at the sharp nose
};

// Computes lift and surface pressure from the store after an accepted recompute, with `points`
// contour samples (kMinSurfacePoints..kMaxSurfacePoints) spaced evenly in circle angle except
// that both stagnation points and the leading edge are samples exactly. The pressure integral is
// taken in the circle angle, where its integrand is smooth, by the trapezoid rule refined until
// it settles; at an edge where the speed is unbounded it is the principal value (the surface
// pressure then misses the edge's suction force). Failure leaves ok false and says why.
LiftAndPressure ComputeLiftAndPressure(const FlowState& st, int points = kDefaultSurfacePoints);

// The curves of the pressure plot: −Cp against x/c, the upper surface (the first upperCount
// samples, the leading edge last when it is there) and the lower one (from the leading edge on).
struct CurvePoint {
  double x, y;
};
struct PressureCurves {
  std::vector<CurvePoint> upper, lower;
};
PressureCurves PressureCurvesOf(const LiftAndPressure& result);

// A figure of the lift window: six significant digits, '.' as the decimal point, −0 as 0.
std::string FigureText(double value);

}  // namespace jouk
