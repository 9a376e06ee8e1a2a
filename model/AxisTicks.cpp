#include "model/AxisTicks.hpp"

#include <cmath>

namespace jouk {

double NiceStep(double raw) {
  if (!(raw > 0) || !std::isfinite(raw)) return 1;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  const double m = raw / power;
  return (m < 1.5 ? 1 : m < 3.5 ? 2 : m < 7.5 ? 5 : 10) * power;
}

std::vector<double> AxisTicks(double low, double high, double step) {
  std::vector<double> ticks;
  if (!std::isfinite(low) || !std::isfinite(high) || !(step > 0) || !std::isfinite(step)) {
    return ticks;
  }
  constexpr double kSlack = 1e-9;  // of a step, for ends that are multiples but for rounding
  const double first = std::ceil(low / step - kSlack);
  const double last = std::floor(high / step + kSlack);
  for (double k = first; k <= last && ticks.size() < kMostAxisTicks; ++k) {
    ticks.push_back(k * step);
  }
  return ticks;
}

}  // namespace jouk
