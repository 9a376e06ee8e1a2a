#include "model/PressureAxis.hpp"

#include <algorithm>

#include "model/AxisTicks.hpp"

namespace jouk {

PressureAxis PressureAxisOf(const PressureCurves& curves) {
  PressureAxis axis;
  double low = -1;
  double middle = -HUGE_VAL;
  for (const std::vector<CurvePoint>* curve : {&curves.upper, &curves.lower}) {
    for (const CurvePoint& p : *curve) {
      if (!std::isfinite(p.y)) continue;
      low = std::min(low, p.y);
      axis.peak = std::max(axis.peak, p.y);
      if (p.x >= 0.05 && p.x <= 0.95) middle = std::max(middle, p.y);
    }
  }
  double high = std::max(1.0, axis.peak);
  const double limit = std::isfinite(middle) ? std::max(3 * middle, middle + 2) : HUGE_VAL;
  axis.peakCut = high > limit;
  if (axis.peakCut) high = limit;
  const double fit = NiceStep((high - low) / 6);
  axis.bottom = std::floor(low / fit) * fit;
  axis.top = std::ceil(high / fit) * fit;
  axis.step = NiceStep((axis.top - axis.bottom) / 6);
  return axis;
}

}  // namespace jouk
