#include "model/Mdl_ZORAP.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/MathConstants.hpp"

namespace jouk {

CircleGeometry CircleFor(double Eps, double Mu, int nExp) {
  const double q = Eps / (1 + Eps);
  const double b = (1.0 / (2 * nExp)) * (1 - std::pow(q, nExp));
  const double a = b * std::sqrt((1 + Eps) * (1 + Eps) + Mu * Mu);
  const double beta = std::atan(Mu / (1 + Eps));
  return {b, a, beta};
}

FlowSetup SetUpFlow(double Alfa, double Eps, double Mu, double iKutta, int nExp, double Pi,
                    double DegToRad) {
  FlowSetup f{};
  f.U = 1;
  f.alpha = Alfa * DegToRad;
  const CircleGeometry g = CircleFor(Eps, Mu, nExp);
  f.b = g.b;
  f.a = g.a;
  f.beta = g.beta;
  // With the Kutta factor 1 the rear stagnation point sits at the trailing edge.
  f.Gamma = 4 * Pi * f.a * f.U * std::sin(f.alpha + f.beta) * iKutta;
  f.K = f.Gamma / (2 * Pi * f.U);
  return f;
}

double StagnationSine(const FlowSetup& f, double Pi) {
  return -f.Gamma / (4 * Pi * f.a * f.U);
}

bool StagnationPointOnCircle(const FlowSetup& f, double Pi) {
  const double sinS = StagnationSine(f, Pi);
  return 1 - sinS * sinS >= 0;
}

std::optional<MessageId> StagnationRefusal(const FlowSetup& f, double Pi) {
  if (StagnationPointOnCircle(f, Pi)) return std::nullopt;
  return MessageId::kStagnationOffSection;
}

void StreamlineRadius(double a, double r0, double psi, double K, double U, double sinTheta,
                      int& converged, double& r) {
  // Outside the domain: a division by zero or the logarithm of a non-positive ratio.
  if (sinTheta == 0 || !(a > 0) || U == 0) {
    converged = 0;
    return;
  }
  double x1 = r0;
  double x2 = r0;
  int n = 0;
  for (;;) {
    ++n;
    if (n == kRadiusPassLimit) {
      converged = 0;
      return;
    }
    x1 = (x2 + x1) / 2;
    if (!(x1 > 0) || !std::isfinite(x1)) {
      converged = 0;
      return;
    }
    // g(x1) = a²/x1 + ((psi − K·ln(x1/a))/U)/sinθ
    x2 = a * a / x1 + ((psi - K * std::log(x1 / a)) / U) / sinTheta;
    if (!std::isfinite(x2)) {
      converged = 0;
      return;
    }
    if (!(std::fabs(x2 - x1) > kRadiusTolerance)) break;
  }
  r = x2;
  converged = 1;
}

namespace {

// Radius at which the streamline psi crosses the axis θ = s·π/2 (s = ±1), by bisection of
// h(r) = U·(r − a²/r) + s·K·ln(r/a) − s·psi on r ≥ a. h(a) = −s·psi and h grows without bound;
// with |K| ≤ 2aU (the stagnation point on the circle) h is non-decreasing, so the root is unique.
// Serves when the fixed-point iteration gives up on the first point of a streamline.
bool AxisRadius(double a, double psi, double K, double U, double s, double& r) {
  if (!(a > 0) || !(U > 0)) return false;
  const auto h = [&](double x) { return U * (x - a * a / x) + s * K * std::log(x / a) - s * psi; };
  const double ha = h(a);
  if (ha == 0) {
    r = a;
    return true;
  }
  if (!(ha < 0)) return false;  // no crossing outside the circle on this side
  double lo = a;
  double hi = 2 * a;
  while (h(hi) < 0) {
    lo = hi;
    hi *= 2;
    if (!std::isfinite(hi)) return false;
  }
  if (std::isnan(h(hi))) return false;
  for (int n = 0; n < kBisectionSteps; ++n) {
    const double mid = lo + (hi - lo) / 2;
    if (!(mid > lo && mid < hi)) break;
    (h(mid) < 0 ? lo : hi) = mid;
  }
  r = hi;
  return true;
}

// Traces the dividing streamline from the rear stagnation point outward (streamline 1) and
// mirrors it into the front half (streamline 2).
void DividingStreamline(FlowState& st, const FlowSetup& f) {
  int j = 0;
  if (StagnationPointOnCircle(f, st.Pi)) {
    const double sinS = StagnationSine(f, st.Pi);
    st.XS(1, 1) = f.a * std::sqrt(1 - sinS * sinS);
    st.YS(1, 1) = f.a * sinS;
    double r = f.a;
    j = 1;
    // Marches outward in r until the abscissa reaches Rmax; ends early at the last point that
    // fits the arrays, or where the streamline has no real point at the next radius.
    while (j < kLastPoint) {
      r = r + st.dR;
      // ψ = 0: U·(r − a²/r)·sinθ + K·ln(r/a) = 0, so sinθ = −(K·ln(r/a)/U)/(r − a²/r).
      const double sinT = -(f.K * std::log(r / f.a) / f.U) / (r - f.a * f.a / r);
      const double q = 1 - sinT * sinT;
      if (!(q >= 0)) break;
      ++j;
      const double x = r * std::sqrt(q);
      st.XS(1, j) = x;
      st.YS(1, j) = r * sinT;
      if (!(x < st.Rmax)) break;
    }
  }
  st.nPts[1] = j;
  st.nPts[2] = j;
  for (int i = 1; i <= j; ++i) {
    st.XS(2, i) = -st.XS(1, i);
    st.YS(2, i) = st.YS(1, i);
  }
}

// Where a half streamline stands: the radius and angle of its last point, and whether it still
// advances by angle.
struct HalfTrace {
  double r;
  double theta;
  bool angular;
};

// One step of a half streamline: in angular mode one step dTheta further by the radius
// iteration, turning to radial mode for the rest of the streamline when the iteration gives up or
// moves by more than dR; in radial mode dR further out. Advances t and gives the sine of the new
// point's angle.
double NextHalfPoint(const FlowState& st, const FlowSetup& f, double psi, double dTheta,
                     HalfTrace& t) {
  const double rPrev = t.r;
  double sinT = 0;
  if (t.angular) {
    t.theta = t.theta + dTheta;
    sinT = std::sin(t.theta);
    int converged = 0;
    double rOut = rPrev;
    StreamlineRadius(f.a, rPrev, psi, f.K, f.U, sinT, converged, rOut);
    t.r = rOut;
    if (converged == 0 || std::fabs(t.r - rPrev) > st.dR) {
      t.r = rPrev;
      t.angular = false;
    }
  }
  if (!t.angular) {
    // ψ = U·(r − a²/r)·sinθ + K·ln(r/a) solved for sinθ at the next radius.
    t.r = t.r + st.dR;
    sinT = ((psi - f.K * std::log(t.r / f.a)) / f.U) / (t.r - f.a * f.a / t.r);
  }
  return sinT;
}

// Traces the downstream half of the streamline psi on side s (+1 above, −1 below) into XH/YH from
// its point on the axis, by angular steps of one degree towards the downstream axis θ = 0, then
// radially, until the abscissa reaches Rmax; ends early at the last point that fits, or where the
// streamline has no real point. Returns the number of half points, 0 when there is no axis point.
int TraceHalfStreamline(FlowState& st, const FlowSetup& f, double psi, double s) {
  const double dTheta = -s * st.Pi / kStepsPerHalfTurn;
  HalfTrace t{f.a, s * st.Pi / 2, true};
  int converged = 0;
  StreamlineRadius(f.a, f.a, psi, f.K, f.U, std::sin(t.theta), converged, t.r);
  if (converged == 0 && !AxisRadius(f.a, psi, f.K, f.U, s, t.r)) return 0;
  st.XH[1] = 0;
  st.YH[1] = s * t.r;
  int j = 1;
  while (j < kMaxHalfPoints) {
    const double sinT = NextHalfPoint(st, f, psi, dTheta, t);
    const double q = 1 - sinT * sinT;
    if (!(q >= 0)) break;  // no real point here: the streamline ends at its last valid point
    ++j;
    st.XH[j] = t.r * std::sqrt(q);
    st.YH[j] = t.r * sinT;
    if (!(st.XH[j] < st.Rmax)) break;
  }
  return j;
}

// Streamline k from its m half points: the mirrored upstream half, the axis point, then the
// downstream half, 2m − 1 points (none for m = 0).
void AssembleStreamline(FlowState& st, int k, int m) {
  for (int i = 1; i <= m; ++i) {
    st.XS(k, m + i - 1) = st.XH[i];
    st.YS(k, m + i - 1) = st.YH[i];
    st.XS(k, m - i + 1) = -st.XH[i];
    st.YS(k, m - i + 1) = st.YH[i];
  }
  st.nPts[k] = m > 0 ? 2 * m - 1 : 0;
}

// Streamline k with stream-function value psi on side s.
void FurtherStreamline(FlowState& st, const FlowSetup& f, int k, double psi, double s) {
  AssembleStreamline(st, k, TraceHalfStreamline(st, f, psi, s));
}

// The contour: kContourPoints points, the last repeating the first, counter-clockwise from the
// trailing edge.
void CircleContour(FlowState& st, const FlowSetup& f) {
  st.nPts[0] = kContourPoints;
  const double dTheta0 = 2 * st.Pi / (st.nPts[0] - 1);
  for (int i = 1; i <= st.nPts[0]; ++i) {
    const double theta = (i - 1) * dTheta0 - (f.alpha + f.beta);
    st.XS(0, i) = f.a * std::cos(theta);
    st.YS(0, i) = f.a * std::sin(theta);
  }
}

// Further streamlines 3..kLast at psi = +1, −1, +2, −2, … times dPsi: odd k above, even k below.
void FurtherStreamlines(FlowState& st, const FlowSetup& f, int kLast) {
  std::array<double, kLastStreamline + 1> psiTab{};
  for (int k = 3; k <= kLast; ++k) {
    double s = 1;
    psiTab[k] = st.dPsi * ((k - 1) / 2.0);
    if (2 * (k / 2) == k) {
      psiTab[k] = -psiTab[k - 1];
      s = -1;
    }
    FurtherStreamline(st, f, k, psiTab[k], s);
  }
}

// Placement of streamlines 0..kLast: rotate by +alpha about the origin and shift to the circle
// centre (xc, yc).
void PlaceAtCircleCentre(FlowState& st, int kLast, double xc, double yc) {
  for (int k = 0; k <= kLast; ++k) {
    for (int i = 1; i <= st.nPts[k]; ++i) {
      const double x = st.XS(k, i);
      const double y = st.YS(k, i);
      st.XS(k, i) = x * st.CosAlfa - y * st.SinAlfa + xc;
      st.YS(k, i) = y * st.CosAlfa + x * st.SinAlfa + yc;
    }
  }
}

}  // namespace

void CircleStreamlines(FlowState& st) {
  st.Rmax = st.Olcek;
  // nPts holds indices 0..round(kMax); streamlines 1 and 2 always exist and 20 is the last row.
  const int kBound = std::clamp(RoundHalfEven(st.kMax), 2, kLastStreamline);
  st.nPts.assign(static_cast<std::size_t>(kBound) + 1, 0);

  const FlowSetup f = SetUpFlow(st.Alfa, st.Eps, st.Mu, st.iKutta, st.nExp, st.Pi, st.DegToRad);
  st.CosAlfa = std::cos(f.alpha);
  st.SinAlfa = std::sin(f.alpha);
  st.nB = f.b * st.nExp;

  CircleContour(st, f);
  DividingStreamline(st, f);
  const int kLast = LastStreamline(st, st.kMax);
  FurtherStreamlines(st, f, kLast);
  PlaceAtCircleCentre(st, kLast, st.Eps * (-f.b), st.Mu * f.b);
}

MappedPoint MapPoint(double X, double Y, double xTE, double nB, int n) {
  const double r = std::sqrt(X * X + Y * Y);
  const double R = r / xTE;
  const double c = (X / R) / xTE;
  const double s = (Y / R) / xTE;
  const double A = std::sqrt(1 + R * R + 2 * R * c);
  double B = 1 + R * R - 2 * R * c;
  if (B < 0) B = 0;  // rounding near the trailing edge
  B = std::sqrt(B);
  // The trailing edge itself: rho = A/0 has no value, and the image tends to (−nB, 0).
  if (B == 0) return {-nB, 0.0};
  // ρ = |q| and λ ≡ −arg q for q = (ζ + xTE)/(ζ − xTE): tan λ = 2s/(R − 1/R). The principal value
  // of the arctangent is the branch outside the circle R = xTE; inside it (R < 1) the angle lies
  // half a turn lower. On the circle itself λ = π/2, whose multiples the exponent 2 makes exact.
  const double rho = A / B;
  double lambda = kPi / 2;
  if (R != 1) {
    lambda = std::atan(2 * s / (R - 1 / R));
    if (R < 1) lambda = lambda - kPi;
  }
  const double rhoN = std::pow(rho, n);
  const double rho2N = std::pow(rho, 2 * n);
  // D = 1 + ρ^(2n) − 2ρ^n·cos(nλ); X′ = nB·(1 − ρ^(2n))/D; Y′ = 2·nB·ρ^n·sin(nλ)/D, which is
  // −conj(T(ζ)) for the Kármán–Trefftz map T: the section mirrored, its trailing edge at −nB.
  const double D = 1 + rho2N - 2 * rhoN * std::cos(n * lambda);
  return {nB * (1 - rho2N) / D, 2 * nB * rhoN * std::sin(n * lambda) / D};
}

void MapToAirfoilPlane(FlowState& st) {
  if (st.nPts.empty() || st.nPts[0] < 1) return;
  const double xTE = st.XS(0, 1);  // taken once, before point (0, 1) is replaced
  const int kLast = LastStreamline(st, st.kMax);
  for (int i = 0; i <= kLast; ++i) {
    const int last = std::min(st.nPts[i], kLastPoint);
    for (int j = 1; j <= last; ++j) {
      const MappedPoint p = MapPoint(st.XS(i, j), st.YS(i, j), xTE, st.nB, st.nExp);
      st.XS(i, j) = p.x;
      st.YS(i, j) = p.y;
    }
  }
}

void TurnByAngleOfAttack(FlowState& st) {
  // Clockwise for a positive angle: (X + iY)·e^(−iα).
  const int kLast = LastStreamline(st, st.kMax);
  for (int i = 0; i <= kLast; ++i) {
    const int last = std::min(st.nPts[static_cast<std::size_t>(i)], kLastPoint);
    for (int j = 1; j <= last; ++j) {
      const double X = st.XS(i, j);
      const double Y = st.YS(i, j);
      st.XS(i, j) = X * st.CosAlfa + Y * st.SinAlfa;
      st.YS(i, j) = Y * st.CosAlfa - X * st.SinAlfa;
    }
  }
}

}  // namespace jouk
