// Golden-section search for the maximum of a function that has one peak in a bracket.
#pragma once

#include <cmath>

namespace jouk {

// Where in [lo, hi] f is largest, and that largest value.
struct GoldenPeak {
  double x;
  double value;
};

// Narrows [lo, hi] by the golden ratio, keeping the larger of the two inner values, until the
// bracket is no wider than `width` or `steps` narrowings are made.
template <class F>
GoldenPeak GoldenMax(F f, double lo, double hi, double width, int steps) {
  const double g = (std::sqrt(5.0) - 1) / 2;
  double x1 = hi - g * (hi - lo);
  double x2 = lo + g * (hi - lo);
  double f1 = f(x1);
  double f2 = f(x2);
  for (int n = 0; n < steps && hi - lo > width; ++n) {
    if (f1 < f2) {
      lo = x1;
      x1 = x2;
      f1 = f2;
      x2 = lo + g * (hi - lo);
      f2 = f(x2);
    } else {
      hi = x2;
      x2 = x1;
      f2 = f1;
      x1 = hi - g * (hi - lo);
      f1 = f(x1);
    }
  }
  return f1 < f2 ? GoldenPeak{x2, f2} : GoldenPeak{x1, f1};
}

}  // namespace jouk
