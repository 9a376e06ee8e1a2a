#include "model/Mdl_ZorapData.hpp"

#include <algorithm>
#include <array>
#include <cstddef>

#include "model/SectionGrid.hpp"

namespace jouk {

namespace {

struct SectionValues {
  double eps;
  double mu;
};

// Row k (1-based) holds the grid's thickness step d and camber step m with k = SectionRow(d, m).
constexpr std::array<SectionValues, kTableRows> kSectionValues = {{
#include "model/SectionTableData.inc"
}};

}  // namespace

void FillSectionTable(int nTable, std::vector<double>& TabDelta, std::vector<double>& TabGama,
                      std::vector<double>& TabEps, std::vector<double>& TabMu) {
  // Never write past the columns the caller allocated, nor past the data held here.
  const std::size_t fit = std::min({TabDelta.size(), TabGama.size(), TabEps.size(), TabMu.size()});
  const int rows =
      std::min({nTable, static_cast<int>(kSectionValues.size()), static_cast<int>(fit) - 1});
  for (int k = 1; k <= rows; ++k) {
    const int d = (k - 1) % kThicknessSteps;
    const int m = (k - 1) / kThicknessSteps;
    const auto row = static_cast<std::size_t>(k);
    // The keys are the quotients d/100 and m/100, the same doubles the text "0.12" reads as.
    TabDelta[row] = GridKey(d);
    TabGama[row] = GridKey(m);
    TabEps[row] = kSectionValues[row - 1].eps;
    TabMu[row] = kSectionValues[row - 1].mu;
  }
}

}  // namespace jouk
