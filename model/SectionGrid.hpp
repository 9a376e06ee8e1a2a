// The grid of the section table: thickness d/100 for d = 0..30 and camber m/100 for m = 0..15,
// 31 × 16 = 496 rows, thickness running fastest: row k = 31·m + d + 1. Every fact about the
// grid is taken from here.
#pragma once

namespace jouk {

// The keys are whole multiples of 1/kGridDivisor: the key of step i is i / kGridDivisor.
inline constexpr int kGridDivisor = 100;
// Thickness steps d = 0 .. kThicknessSteps − 1.
inline constexpr int kThicknessSteps = 31;
// Camber steps m = 0 .. kCamberSteps − 1.
inline constexpr int kCamberSteps = 16;
// Number of rows of the section table.
inline constexpr int kTableRows = kThicknessSteps * kCamberSteps;
static_assert(kTableRows == 496);

// The key of grid step i, the double nearest to i/100: the quotient i / 100.0, which is also
// what the text "0.12" reads as.
constexpr double GridKey(int i) {
  return i / static_cast<double>(kGridDivisor);
}

// The row (1-based) of thickness step d and camber step m.
constexpr int SectionRow(int d, int m) {
  return kThicknessSteps * m + d + 1;
}

// The largest thickness and camber keys of the table, and its step.
inline constexpr double kLargestThickness = GridKey(kThicknessSteps - 1);
inline constexpr double kLargestCamber = GridKey(kCamberSteps - 1);
inline constexpr double kGridStep = GridKey(1);

}  // namespace jouk
