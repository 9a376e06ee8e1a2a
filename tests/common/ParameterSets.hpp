// Parameter sets shared by the tests and the benchmarks.
#pragma once

#include "model/Recompute.hpp"

namespace jouk::testing {

// The texts the window starts with.
inline ParameterTexts StartupTexts() {
  return ParameterTexts{};
}

// The heaviest solution the program accepts: 21 streamlines of up to 5000 points.
inline ParameterTexts HeavyTexts() {
  return ParameterTexts{.Delta = "0.12",
                        .Gama = "0.02",
                        .Alfa = "5",
                        .iKutta = "1",
                        .Olcek = "3",
                        .dPsi = "0.01",
                        .kMax = "20",
                        .dR = "0.0005"};
}

}  // namespace jouk::testing
