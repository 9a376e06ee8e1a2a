// π for the code outside the store. The store's own Pi is 4·arctan(1), computed at load, and
// the solver and the animation use that one; the map's point formula (MapPoint, which serves
// without a store too) and every other formula take π from here. Both are the same double.
#pragma once

#include <numbers>

namespace jouk {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kTwoPi = 2 * std::numbers::pi;

}  // namespace jouk
