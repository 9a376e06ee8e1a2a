// The numbers behind the streamline animation: its constants, clock and the two rippled lines
// that follow every streamline. Drawing them is the window's business.
#pragma once

#include <cmath>

#include "model/Mdl_Common.hpp"

namespace jouk {

// Interval of the animation timer in milliseconds; the time step per tick is this divided by
// 100, so kTicksPerTimeUnit ticks make one unit of animation time (one period of the waves).
inline constexpr int kTickIntervalMs = 10;
inline constexpr int kTicksPerTimeUnit = 100 / kTickIntervalMs;
static_assert(100 % kTickIntervalMs == 0, "a whole number of ticks makes one unit of time");

// Start, first step: takes kAnim from kMax and sets the wave constants.
void PrepareAnimation(FlowState& st);

// Start, clock: dtAnim = (timer interval read back, ms) / 100 and tAnim = 0; dtAnim is negated
// when the waves travel downstream (anim.downstream, set by ApplyView).
void ResetAnimationClock(FlowState& st, int intervalMs);

// Tick, first step: tAnim = tAnim + dtAnim.
void AdvanceAnimationTime(FlowState& st);

// Index of the last streamline a tick animates: the integer part of kAnim, kept within the
// streamlines the last recompute sized.
int LastAnimatedStreamline(const FlowState& st);

// Sine and cosine of one argument, bit for bit those of std::sin and std::cos, computed together
// where the C library can.
void SinCos(double a, double* s, double* c);

// The heights of the two displaced lines at one streamline point.
struct DisplacedHeights {
  double y1, y2;
};

// The displaced heights of the streamline point (x, y) at the time an.tAnim:
//   w  = y + AmpLong·sin(2π·(x/LenLong − tAnim))
//   y1 = w + AmpShort1·sin(2π·(x/LenShort − tAnim))
//   y2 = w + AmpShort2·cos(2π·(x/LenShort − tAnim))
// The update pass and the replay of the window's picture both evaluate this one expression, so
// that they give the same bits.
inline DisplacedHeights DisplacedPoint(const AnimState& an, double twoPi, double x, double y) {
  const double w = y + an.AmpLong * std::sin(twoPi * (x / an.LenLong - an.tAnim));
  double sinRipple, cosRipple;
  SinCos(twoPi * (x / an.LenShort - an.tAnim), &sinRipple, &cosRipple);
  return {w + an.AmpShort1 * sinRipple, w + an.AmpShort2 * cosRipple};
}

// Tick, update pass: (YAnim1, YAnim2)(i, j) = DisplacedPoint at (XS(i, j), YS(i, j)) for
// streamlines 1..kAnim and points 1..nPts.
void UpdateDisplacedLines(FlowState& st);

}  // namespace jouk
