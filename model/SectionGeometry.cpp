#include "model/SectionGeometry.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/GoldenSection.hpp"
#include "model/MathConstants.hpp"

namespace jouk {

namespace {

constexpr int kExponent = 2;  // the Joukowsky map

}  // namespace

SectionCircle SectionCircleFor(double Eps, double Mu) {
  const CircleGeometry g = CircleFor(Eps, Mu, kExponent);
  return {g.b, g.a, Eps * (-g.b), Mu * g.b};
}

MappedPoint SectionCirclePoint(const SectionCircle& s, double omega) {
  const double ux = std::cos(omega);
  const double uy = std::sin(omega);
  const double cu = s.xc * ux + s.yc * uy;
  // The origin lies inside the circle (|c| < a), so the root is real and positive.
  const double q = std::max(cu * cu - (s.xc * s.xc + s.yc * s.yc) + s.a * s.a, 0.0);
  const double r = cu + std::sqrt(q);
  return {r * ux, r * uy};
}

MappedPoint SectionPoint(const SectionCircle& s, double omega) {
  const MappedPoint z = SectionCirclePoint(s, omega);
  return MapPoint(z.x, z.y, s.b, kExponent * s.b, kExponent);
}

SectionMeasure MeasureSection(double Eps, double Mu, int samples) {
  const SectionCircle s = SectionCircleFor(Eps, Mu);
  const MappedPoint te = SectionPoint(s, 0.0);
  const MappedPoint nose = SectionPoint(s, kPi);
  const double cx = nose.x - te.x;
  const double cy = nose.y - te.y;
  const double chord = std::hypot(cx, cy);

  // |P(ω) − P(−ω)|
  const auto thickness = [](const MappedPoint& u, const MappedPoint& l) {
    return std::hypot(u.x - l.x, u.y - l.y);
  };
  // Height of (P(ω) + P(−ω))/2 above the chord line, times the chord (a cross product).
  const auto camber = [&](const MappedPoint& u, const MappedPoint& l) {
    return cx * ((u.y + l.y) / 2 - te.y) - cy * ((u.x + l.x) / 2 - te.x);
  };
  const auto along = [&](auto measure) {
    return [&s, measure](double w) { return measure(SectionPoint(s, w), SectionPoint(s, -w)); };
  };

  // Evenly spaced angles locate both maxima; each is then refined between its neighbours.
  const int n = std::max(samples, 4);
  const double step = kPi / n;
  int bestT = 1;
  int bestC = 1;
  double maxT = -std::numeric_limits<double>::infinity();
  double maxC = maxT;
  for (int i = 1; i < n; ++i) {
    const MappedPoint u = SectionPoint(s, i * step);
    const MappedPoint l = SectionPoint(s, -i * step);
    const double t = thickness(u, l);
    const double c = camber(u, l);
    if (t > maxT) {
      maxT = t;
      bestT = i;
    }
    if (c > maxC) {
      maxC = c;
      bestC = i;
    }
  }
  // Near the maximum the value changes by about (bracket)²: 1e-11 rad is far below rounding.
  const auto peak = [](auto f, double lo, double hi) {
    return GoldenMax(f, lo, hi, 1e-11, 100).value;
  };
  maxT = std::max(maxT, peak(along(thickness), (bestT - 1) * step, (bestT + 1) * step));
  maxC = std::max(maxC, peak(along(camber), (bestC - 1) * step, (bestC + 1) * step));
  return {chord, maxT / chord, maxC / (chord * chord)};
}

}  // namespace jouk
