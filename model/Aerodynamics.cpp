#include "model/Aerodynamics.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "model/GoldenSection.hpp"
#include "model/MathConstants.hpp"
#include "model/SurfaceFlow.hpp"

namespace jouk {

namespace {

// x in [0, 2π).
double Wrap(double x) {
  double w = std::fmod(x, kTwoPi);
  if (w < 0) w += kTwoPi;
  return w < kTwoPi ? w : 0.0;
}

// Circle angle of the leading edge: the sharp nose ζ = −b, or else the maximum of the distance
// from the trailing edge, bracketed on a fine scan and refined by golden-section search.
double LeadingEdgeAngle(const SurfaceFlow& flow) {
  if (flow.sharpLeadingEdge) return flow.sharpEdgeAngle;
  constexpr int kScan = 2048;
  const double h = kTwoPi / kScan;
  int best = 1;
  double bestDistance = -1;
  for (int k = 1; k < kScan; ++k) {
    const double d = DistanceFromTrailingEdge(flow, k * h);
    if (d > bestDistance) {
      bestDistance = d;
      best = k;
    }
  }
  const auto distance = [&flow](double x) { return DistanceFromTrailingEdge(flow, x); };
  return GoldenMax(distance, (best - 1) * h, (best + 1) * h, 1e-13, 200).x;
}

// Circle angles (from the trailing edge) of the rear and the front stagnation point:
// sin θ = −K/(2aU), rear cos θ ≥ 0, front cos θ ≤ 0, with θ = θTE + x. An edge where the flow
// is smooth is a stagnation point exactly; the angle found is set onto it.
void StagnationAngles(const SurfaceFlow& flow, double leadingEdge, double& rear, double& front) {
  const double thetaRear = std::asin(std::clamp(-flow.kOverA / (2 * flow.U), -1.0, 1.0));
  const double thetaFront = kPi - thetaRear;
  rear = Wrap(thetaRear + flow.alpha + flow.beta);
  front = Wrap(thetaFront + flow.alpha + flow.beta);
  constexpr double kSnap = 1e-6;
  for (double* x : {&rear, &front}) {
    if (flow.trailingEdgeRest == 0 && (*x < kSnap || kTwoPi - *x < kSnap)) *x = 0;
    if (flow.sharpLeadingEdge && flow.leadingEdgeRest == 0 && std::fabs(*x - leadingEdge) < kSnap) {
      *x = leadingEdge;
    }
  }
}

// The special angles with 0 and 2π, in order, those within 1e-9 of the one before dropped.
std::vector<double> Anchors(std::vector<double> special) {
  special.push_back(0);
  special.push_back(kTwoPi);
  std::sort(special.begin(), special.end());
  std::vector<double> anchors;
  for (const double x : special) {
    if (anchors.empty() || x - anchors.back() > 1e-9) {
      anchors.push_back(x);
    } else if (x == kTwoPi) {
      anchors.back() = kTwoPi;  // the closing trailing edge wins over a point just before it
    }
  }
  return anchors;
}

// Brings the counts to the total `intervals`: one more for the arc furthest below its ideal
// share while they fall short, one fewer for the arc furthest above it (never below one) while
// they exceed it.
void Rebalance(std::vector<int>& count, const std::vector<double>& ideal, int total,
               int intervals) {
  const std::size_t arcs = count.size();
  while (total < intervals) {
    std::size_t pick = 0;
    for (std::size_t i = 1; i < arcs; ++i) {
      if (ideal[i] - count[i] > ideal[pick] - count[pick]) pick = i;
    }
    ++count[pick];
    ++total;
  }
  while (total > intervals) {
    std::size_t pick = arcs;
    for (std::size_t i = 0; i < arcs; ++i) {
      if (count[i] > 1 && (pick == arcs || count[i] - ideal[i] > count[pick] - ideal[pick])) {
        pick = i;
      }
    }
    if (pick == arcs) break;  // every arc at its one interval (not reached from 16 points up)
    --count[pick];
    --total;
  }
}

// The intervals of each arc between anchors: its share of `intervals` by length, rounded down
// (at least one), then rebalanced to the total.
std::vector<int> IntervalCounts(const std::vector<double>& anchors, int intervals) {
  const std::size_t arcs = anchors.size() - 1;
  std::vector<int> count(arcs);
  std::vector<double> ideal(arcs);
  int total = 0;
  for (std::size_t i = 0; i < arcs; ++i) {
    ideal[i] = (anchors[i + 1] - anchors[i]) / kTwoPi * intervals;
    count[i] = std::max(1, static_cast<int>(std::floor(ideal[i])));
    total += count[i];
  }
  Rebalance(count, ideal, total, intervals);
  return count;
}

// Sample angles from 0 to 2π: N − 1 intervals shared among the arcs between the special angles
// in proportion to their length (each at least one), even within each arc.
std::vector<double> SampleAngles(int points, std::vector<double> special) {
  const std::vector<double> anchors = Anchors(std::move(special));
  const std::vector<int> count = IntervalCounts(anchors, points - 1);
  std::vector<double> xs;
  xs.reserve(static_cast<std::size_t>(points));
  for (std::size_t i = 0; i + 1 < anchors.size(); ++i) {
    const double step = (anchors[i + 1] - anchors[i]) / count[i];
    for (int j = 0; j < count[i]; ++j) xs.push_back(j == 0 ? anchors[i] : anchors[i] + j * step);
  }
  xs.push_back(kTwoPi);
  return xs;
}

struct Force {
  double lift = 0;
  double drag = 0;
};

// The pressure force per unit circle angle, −Cp·n·|dP/dx| with n the outward normal, projected
// across and along the free stream. The contour runs clockwise in the picture (the map is a
// mirror), so n·ds = i·dP and the force element is −Cp·i·dP/dx = Cp·(dy/dx, −dx/dx).
Force ForceDensity(const SurfaceFlow& flow, double x, double y) {
  const SurfaceValue v = EvaluateSurface(flow, x, y);
  if (!v.bounded) return {};
  const double cp = 1 - v.speed * v.speed;
  const double fx = cp * v.dydx;
  const double fy = -cp * v.dxdx;
  const double cos2 = flow.cosAlfa * flow.cosAlfa - flow.sinAlfa * flow.sinAlfa;
  const double sin2 = 2 * flow.cosAlfa * flow.sinAlfa;
  // lift direction (sin 2α, cos 2α), free-stream direction (−cos 2α, sin 2α)
  return {fx * sin2 + fy * cos2, -fx * cos2 + fy * sin2};
}

// The residue A of the force density's pole A/t at a singular sharp nose. With f = A/t + g(t):
// t·(f(t) − f(−t))/2 = A + g′′(0)·t²/2 + O(t⁴); one Richardson step removes the t² term.
Force NosePole(const SurfaceFlow& flow, double leadingEdge) {
  const auto estimate = [&](double t) {
    const Force up = ForceDensity(flow, leadingEdge + t, t);
    const Force down = ForceDensity(flow, leadingEdge - t, -t);
    return Force{t * (up.lift - down.lift) / 2, t * (up.drag - down.drag) / 2};
  };
  const Force coarse = estimate(1e-4);
  const Force fine = estimate(5e-5);
  return {(4 * fine.lift - coarse.lift) / 3, (4 * fine.drag - coarse.drag) / 3};
}

// ∮ of the force density over one turn of the circle by the trapezoid rule with M nodes. With
// an edge of unbounded speed the density behaves as A/(x − xe) there: the nodes then lie
// symmetrically about that edge, half a step off it, so the pole cancels in pairs and the sum is
// the principal value. A second such edge has its pole A·cot((x − xe)/2)/2, whose principal
// value over a turn is zero, subtracted, with A estimated from points close beside that edge.
Force TurnIntegral(const SurfaceFlow& flow, double leadingEdge, int M) {
  const bool teSingular = flow.trailingEdgeRest != 0;
  const bool leSingular = flow.sharpLeadingEdge && flow.leadingEdgeRest != 0;
  const double h = kTwoPi / M;
  Force sum;
  const auto add = [&sum](const Force& f) {
    sum.lift += f.lift;
    sum.drag += f.drag;
  };
  if (!teSingular && !leSingular) {
    for (int k = 0; k < M; ++k) add(ForceDensity(flow, k * h, k * h - leadingEdge));
    return {sum.lift * h, sum.drag * h};
  }
  if (!teSingular) {  // the sharp nose alone: pairs about it
    for (int k = 0; k < M / 2; ++k) {
      const double t = (k + 0.5) * h;
      add(ForceDensity(flow, leadingEdge + t, t));
      add(ForceDensity(flow, leadingEdge - t, -t));
    }
    return {sum.lift * h, sum.drag * h};
  }
  const Force pole = leSingular ? NosePole(flow, leadingEdge) : Force{};
  for (int k = 0; k < M / 2; ++k) {
    const double t = (k + 0.5) * h;
    for (const double x : {t, -t}) {
      const double y = x - leadingEdge;
      Force f = ForceDensity(flow, x, y);
      if (leSingular) {
        const double kernel = 0.5 / std::tan(y / 2);
        f.lift -= pole.lift * kernel;
        f.drag -= pole.drag * kernel;
      }
      add(f);
    }
  }
  return {sum.lift * h, sum.drag * h};
}

// Refines the turn integral by doubling the nodes until two results agree to 1e-12 (relative to
// the chord scale), or up to 2^18 nodes; error gets the last change.
Force PressureForce(const SurfaceFlow& flow, double leadingEdge, double& error) {
  Force previous = TurnIntegral(flow, leadingEdge, 256);
  Force current = previous;
  for (int M = 512; M <= (1 << 18); M *= 2) {
    current = TurnIntegral(flow, leadingEdge, M);
    error = std::fabs(current.lift - previous.lift) + std::fabs(current.drag - previous.drag);
    if (error <= 1e-12 * (flow.b + std::fabs(current.lift) + std::fabs(current.drag))) break;
    previous = current;
  }
  return current;
}

// The circle angles of the leading edge and the two stagnation points.
struct SpecialAngles {
  double leadingEdge = 0;
  double rear = 0;
  double front = 0;
};

SpecialAngles FindSpecialAngles(const SurfaceFlow& flow) {
  SpecialAngles at;
  at.leadingEdge = LeadingEdgeAngle(flow);
  StagnationAngles(flow, at.leadingEdge, at.rear, at.front);
  // The search finds a round nose only to about 1e-8 in angle, where the distance is flat: a
  // stagnation point that close is the leading edge (as it is for a symmetric section at α 0).
  for (const double x : {at.front, at.rear}) {
    if (!flow.sharpLeadingEdge && std::fabs(x - at.leadingEdge) < 1e-7) at.leadingEdge = x;
  }
  return at;
}

// A result that failed for the text id, with its places.
void Fail(LiftAndPressure& r, MessageId id, std::vector<std::string> places = {}) {
  r.ok = false;
  r.errorId = id;
  r.error = EnglishText(id, places);
  r.errorPlaces = std::move(places);
}

// The two edges, the chord between them, the circulation and the Kutta–Joukowski lift; false
// when the edges coincide.
bool PlaceEdgesAndLift(const SurfaceFlow& flow, const SpecialAngles& at, LiftAndPressure& r) {
  const SurfaceValue te = EvaluateSurface(flow, 0, -at.leadingEdge);
  const SurfaceValue le = EvaluateSurface(flow, at.leadingEdge, 0);
  r.trailingEdgeX = te.x;
  r.trailingEdgeY = te.y;
  r.leadingEdgeX = le.x;
  r.leadingEdgeY = le.y;
  r.chord = std::hypot(le.x - te.x, le.y - te.y);
  if (!(r.chord > 0) || !std::isfinite(r.chord)) return false;
  r.kuttaFactor = flow.iKutta;
  r.circulation = flow.Gamma;
  r.liftCoefficient = 2 * flow.Gamma / (flow.U * r.chord);

  const SurfaceValue rearPoint = EvaluateSurface(flow, at.rear, at.rear - at.leadingEdge);
  const SurfaceValue frontPoint = EvaluateSurface(flow, at.front, at.front - at.leadingEdge);
  r.rearStagnationX = rearPoint.x;
  r.rearStagnationY = rearPoint.y;
  r.frontStagnationX = frontPoint.x;
  r.frontStagnationY = frontPoint.y;
  return true;
}

// The surface samples, TE → upper → LE → lower → TE (the closing sample is the trailing edge
// again), leaving out an edge where the speed is unbounded.
void SampleSurface(const SurfaceFlow& flow, const SpecialAngles& at, int points,
                   LiftAndPressure& r) {
  const std::vector<double> xs = SampleAngles(points, {at.rear, at.front, at.leadingEdge});
  // x/c by projection on the chord; c² as the same sum, so the trailing edge gets exactly 1.
  const double tx = r.trailingEdgeX, ty = r.trailingEdgeY, lx = r.leadingEdgeX, ly = r.leadingEdgeY;
  const double c2 = (tx - lx) * (tx - lx) + (ty - ly) * (ty - ly);
  r.surface.reserve(xs.size());
  for (std::size_t k = 0; k < xs.size(); ++k) {
    const bool closing = k + 1 == xs.size();
    const double x = closing ? 0.0 : xs[k];
    const SurfaceValue v = EvaluateSurface(flow, x, x - at.leadingEdge);
    if (!v.bounded) {
      (x == 0 ? r.trailingEdgeOmitted : r.leadingEdgeOmitted) = true;
      continue;
    }
    SurfacePoint p;
    p.point = static_cast<int>(k) + 1;
    p.x = v.x;
    p.y = v.y;
    p.chordFraction = ((v.x - lx) * (tx - lx) + (v.y - ly) * (ty - ly)) / c2;
    p.speed = v.speed;
    p.cp = 1 - v.speed * v.speed;
    r.surface.push_back(p);
    if (!closing && xs[k] <= at.leadingEdge) ++r.upperCount;
  }
}

// Lift and drag from the surface pressure, over the chord; false when they are not finite.
bool IntegratePressure(const SurfaceFlow& flow, const SpecialAngles& at, LiftAndPressure& r) {
  const Force force = PressureForce(flow, at.leadingEdge, r.pressureIntegralError);
  r.liftFromPressure = force.lift / r.chord;
  r.dragFromPressure = force.drag / r.chord;
  r.pressureIntegralError /= r.chord;
  return std::isfinite(r.liftFromPressure) && std::isfinite(r.dragFromPressure);
}

}  // namespace

LiftAndPressure ComputeLiftAndPressure(const FlowState& st, int points) {
  LiftAndPressure r;
  if (points < kMinSurfacePoints || points > kMaxSurfacePoints) {
    Fail(r, MessageId::kSurfacePointsRange,
         {std::to_string(kMinSurfacePoints), std::to_string(kMaxSurfacePoints)});
    return r;
  }
  SurfaceFlow flow;
  MessageId refusal{};
  if (!MakeSurfaceFlow(st, flow, refusal)) {
    Fail(r, refusal);
    return r;
  }
  const SpecialAngles at = FindSpecialAngles(flow);
  if (!PlaceEdgesAndLift(flow, at, r)) {
    Fail(r, MessageId::kNoChord);
    return r;
  }
  SampleSurface(flow, at, points, r);
  if (!IntegratePressure(flow, at, r)) {
    Fail(r, MessageId::kPressureNotIntegrated);
    return r;
  }
  r.ok = true;
  return r;
}

PressureCurves PressureCurvesOf(const LiftAndPressure& result) {
  const std::size_t count = result.surface.size();
  const std::size_t upperEnd =
      std::min<std::size_t>(static_cast<std::size_t>(std::max(result.upperCount, 0)), count);
  const std::size_t lowerBegin =
      result.leadingEdgeOmitted || upperEnd == 0 ? upperEnd : upperEnd - 1;
  PressureCurves curves;
  for (std::size_t i = 0; i < count; ++i) {
    const SurfacePoint& p = result.surface[i];
    if (i < upperEnd) curves.upper.push_back({p.chordFraction, -p.cp});
    if (i >= lowerBegin) curves.lower.push_back({p.chordFraction, -p.cp});
  }
  return curves;
}

std::string FigureText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value + 0.0);  // + 0.0 shows −0 as 0
  return text;
}

}  // namespace jouk
