// The program-wide store of the flow model: constants, the section table, the flow parameters,
// the streamline point arrays, the solver's scratch arrays and the animation variables.
// One FlowState is owned by the application for the whole run; every routine takes it by
// reference, so tests can build fresh ones.
#pragma once

#include <cassert>
#include <cstddef>
#include <vector>

#include "model/SectionGrid.hpp"

namespace jouk {

// Highest streamline index of the point arrays (streamlines 0..20).
inline constexpr int kLastStreamline = 20;
// Highest point index of the point arrays (points 0..5000; point 0 is never used).
inline constexpr int kLastPoint = 5000;
// Most half points a further streamline may hold, so that its 2m - 1 points fit.
inline constexpr int kMaxHalfPoints = kLastPoint / 2;

// A fixed 21 x 5001 array of doubles indexed (streamline, point), zero at creation.
class PointGrid {
 public:
  static constexpr int kRows = kLastStreamline + 1;
  static constexpr int kCols = kLastPoint + 1;

  PointGrid() : v_(static_cast<std::size_t>(kRows) * kCols, 0.0) {}

  double& operator()(int k, int i) { return v_[Index(k, i)]; }
  double operator()(int k, int i) const { return v_[Index(k, i)]; }

  // Row k as a contiguous block of kCols values (point 0 first).
  double* Row(int k) { return &v_[Index(k, 0)]; }
  const double* Row(int k) const { return &v_[Index(k, 0)]; }

  bool operator==(const PointGrid&) const = default;

 private:
  static std::size_t Index(int k, int i) {
    assert(k >= 0 && k < kRows && i >= 0 && i < kCols);
    return static_cast<std::size_t>(k) * kCols + static_cast<std::size_t>(i);
  }
  std::vector<double> v_;
};

// The animation's constants and clock.
struct AnimState {
  double AmpLong = 0;       // amplitude of the long wave, world units
  double AmpShort1 = 0;     // amplitude of the ripple on the first line
  double AmpShort2 = 0;     // amplitude of the ripple on the second line
  int LenBase = 0;          // unit length from which LenShort is derived
  int LenLong = 0;          // wavelength of the long wave
  double LenShort = 0;      // wavelength of the ripple
  double kAnim = 0;         // index of the last animated streamline, a copy of kMax
  double tAnim = 0;         // animation time
  double dtAnim = 0;        // time step per tick
  bool downstream = false;  // the clock runs backwards, so the waves travel to −x

  bool operator==(const AnimState&) const = default;
};

// The whole store. Every field starts out empty (0).
struct FlowState {
  // Constants, set by LoadInitialisation.
  double Pi = 0;
  double TwoPi = 0;
  double DegToRad = 0;
  int nTable = 0;

  // Section table columns, indices 0..nTable (row 0 unused).
  std::vector<double> TabDelta, TabGama, TabEps, TabMu;

  // Flow parameters.
  double Alfa = 0;  // angle of attack, degrees
  double CosAlfa = 0;
  double SinAlfa = 0;
  double Eps = 0;  // circle-centre offsets of the current section, in units of b
  double Mu = 0;
  int nExp = 0;       // exponent of the conformal map (2: Joukowsky)
  double nB = 0;      // nExp times the mapping length b
  double iKutta = 0;  // circulation factor (1: Kutta condition)
  double kMax = 0;    // index of the last streamline (may hold a typed fraction)
  double dPsi = 0;    // stream-function step between neighbouring streamlines
  double dR = 0;      // radial marching step
  double Olcek = 0;   // view scale: half the plot width in world units
  double Rmax = 0;    // abscissa at which marching stops (copy of Olcek)

  // Geometry: points 1..nPts[k] of streamline k.
  PointGrid XS, YS;
  // The same points in the circle plane, after the solver's placement and before the map.
  PointGrid XC, YC;
  std::vector<int> nPts;  // indices 0..round(kMax)

  // Scratch of the circle-plane solver (downstream half of the streamline being traced).
  std::vector<double> XH = std::vector<double>(kLastPoint + 1, 0.0);
  std::vector<double> YH = std::vector<double>(kLastPoint + 1, 0.0);

  // Animation.
  AnimState anim;
  PointGrid YAnim1, YAnim2;

  bool operator==(const FlowState&) const = default;
};

// Load initialisation: sets the constants and fills the section table.
void LoadInitialisation(FlowState& st);

// Round half to even, used wherever a real serves as an index bound.
int RoundHalfEven(double v);

// Highest streamline index the loops "for k = 0 .. kMax" visit (the integer part of kMax),
// clamped to the point arrays and to the current nPts.
int LastStreamline(const FlowState& st, double kUpper);

}  // namespace jouk
