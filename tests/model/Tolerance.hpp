// Shared tolerance comparison for the model tests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>

namespace jouk::testing {

// Passes when |actual − expected| ≤ tol; NaN or infinity never passes unless both are equal.
inline ::testing::AssertionResult Near(double actual, double expected, double tol) {
  if (actual == expected) return ::testing::AssertionSuccess();
  const double diff = std::fabs(actual - expected);
  if (std::isfinite(diff) && diff <= tol) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " differs from " << expected << " by " << diff
                                       << " (tolerance " << tol << ")";
}

}  // namespace jouk::testing
