#include "model/Mdl_Common.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/Mdl_ZorapData.hpp"

namespace jouk {

void LoadInitialisation(FlowState& st) {
  st.Pi = 4.0 * std::atan(1.0);
  st.TwoPi = 2.0 * st.Pi;
  st.DegToRad = st.Pi / 180.0;
  st.nTable = kTableRows;
  const auto columns = static_cast<std::size_t>(st.nTable) + 1;
  st.TabDelta.assign(columns, 0.0);
  st.TabGama.assign(columns, 0.0);
  st.TabEps.assign(columns, 0.0);
  st.TabMu.assign(columns, 0.0);
  FillSectionTable(st.nTable, st.TabDelta, st.TabGama, st.TabEps, st.TabMu);
}

int RoundHalfEven(double v) {
  // nearbyint rounds half to even in the default rounding mode.
  const double r = std::nearbyint(v);
  if (!(r > std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  if (!(r < std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  return static_cast<int>(r);
}

int LastStreamline(const FlowState& st, double kUpper) {
  if (!(kUpper >= 0)) return -1;
  const int sized = static_cast<int>(st.nPts.size()) - 1;
  const double whole = std::floor(std::min(kUpper, static_cast<double>(kLastStreamline)));
  return std::min(static_cast<int>(whole), sized);
}

}  // namespace jouk
