// The section of a table row measured: the generating circle with offsets (Eps, Mu) at Alfa = 0,
// carried to the airfoil plane by the conformal map, and its chord, maximum thickness and maximum
// camber.
//
// The circle is seen from the centre of the map, the origin of the circle plane. The ray at polar
// angle ω meets the circle once (the origin lies inside it), at the upper-surface point for
// 0 < ω < π; the ray at −ω gives its lower-surface partner. For a symmetric section (Mu = 0) the
// two are mirror images and their images lie straight above each other. ω = 0 gives the trailing
// edge (b, 0) and ω = π the nose point (−b·(1 + 2·Eps), 0), which the map keeps on the x-axis.
//
// The measure, in the airfoil plane:
//   chord     c = |P(π) − P(0)|, trailing edge to the nose point on the chord line (the x-axis);
//               equal to 1 for every row by the choice of b, and to the x-extent when Mu = 0;
//   thickness t = max over ω of |P(ω) − P(−ω)| / c;
//   camber    f = max over ω of the height of (P(ω) + P(−ω))/2 above the chord line, / c.
#pragma once

#include "model/Mdl_ZORAP.hpp"

namespace jouk {

// The generating circle of a table section (Alfa = 0, exponent 2).
struct SectionCircle {
  double b;   // mapping length; the circle passes through the trailing-edge point (b, 0)
  double a;   // radius: b·((1+Eps)² + Mu²)^0.5
  double xc;  // centre: −Eps·b
  double yc;  // centre: Mu·b
};

// Chord, and maximum thickness and camber as fractions of the chord.
struct SectionMeasure {
  double chord;
  double thickness;
  double camber;
};

// Default number of polar angles sampled over 0 < ω < π before the maxima are refined.
inline constexpr int kSectionSamples = 2048;

// The generating circle of the section with offsets (Eps, Mu), from CircleFor.
SectionCircle SectionCircleFor(double Eps, double Mu);

// Circle point on the ray from the origin at polar angle omega: r = c·u + ((c·u)² − |c|² + a²)^0.5
// with u = (cos ω, sin ω) and c the centre.
MappedPoint SectionCirclePoint(const SectionCircle& s, double omega);

// Image in the airfoil plane of that circle point (MapPoint with xTE = b, nB = 2b, n = 2).
MappedPoint SectionPoint(const SectionCircle& s, double omega);

// Measures the section: samples `samples` polar angles evenly over 0 < ω < π, then refines
// each maximum by golden-section search between the neighbours of the best sample.
SectionMeasure MeasureSection(double Eps, double Mu, int samples = kSectionSamples);

}  // namespace jouk
