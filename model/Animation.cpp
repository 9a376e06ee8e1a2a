#include "Animation.hpp"

#include <algorithm>
#include <cmath>

namespace jouk {

void PrepareAnimation(FlowState& st) {
  AnimState& an = st.anim;
  an.kAnim = st.kMax;
  an.LenBase = 1;
  an.LenShort = an.LenBase / 10.0;
  an.LenLong = 2;
  an.AmpLong = 0.002;
  an.AmpShort1 = 0.003;
  an.AmpShort2 = 0.003;
}

void ResetAnimationClock(FlowState& st, int intervalMs) {
  st.anim.dtAnim = intervalMs / 100.0;
  st.anim.tAnim = 0;
}

void AdvanceAnimationTime(FlowState& st) {
  st.anim.tAnim = st.anim.tAnim + st.anim.dtAnim;
}

int LastAnimatedStreamline(const FlowState& st) {
  return LastStreamline(st, st.anim.kAnim);
}

void UpdateDisplacedLines(FlowState& st) {
  const AnimState& an = st.anim;
  const int kLast = LastAnimatedStreamline(st);
  for (int i = 1; i <= kLast; ++i) {
    const int last = std::min(st.nPts[static_cast<std::size_t>(i)], kLastPoint);
    for (int j = 1; j <= last; ++j) {
      const double x = st.XS(i, j);
      const double w = st.YS(i, j) + an.AmpLong * std::sin(st.TwoPi * (x / an.LenLong - an.tAnim));
      const double ripple = st.TwoPi * (x / an.LenShort - an.tAnim);
      st.YAnim1(i, j) = w + an.AmpShort1 * std::sin(ripple);
      st.YAnim2(i, j) = w + an.AmpShort2 * std::cos(ripple);
    }
  }
}

}  // namespace jouk
