// π for the code outside the store. The store's own Pi is 4·arctan(1), computed at load, and
// the solver, the map and the animation use that one; every other formula takes π from here.
#pragma once

#include <numbers>

namespace jouk {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kTwoPi = 2 * std::numbers::pi;

}  // namespace jouk
