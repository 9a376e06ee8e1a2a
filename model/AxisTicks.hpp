// The ticks of a plot's value axis: round steps, and ticks at whole multiples of the step, so
// that 0 is a tick whenever the axis spans it.
#pragma once

#include <vector>

namespace jouk {

// Most ticks an axis gets.
inline constexpr int kMostAxisTicks = 51;

// A step of 1, 2 or 5 times a power of ten near raw (1 for a raw step that is not a positive
// finite number): m = raw / 10^floor(log10 raw) gives 1 below 1.5, 2 below 3.5, 5 below 7.5,
// else 10.
double NiceStep(double raw);

// The ticks from low to high: k·step for every whole k with low ≤ k·step ≤ high (to a billionth
// of a step at either end), in increasing order, 0 exactly where the range spans it; at most
// kMostAxisTicks, none for a range or step that is not finite.
std::vector<double> AxisTicks(double low, double high, double step);

}  // namespace jouk
