#include "model/Animation.hpp"

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
  if (st.anim.downstream) st.anim.dtAnim = -st.anim.dtAnim;
  st.anim.tAnim = 0;
}

void AdvanceAnimationTime(FlowState& st) {
  st.anim.tAnim = st.anim.tAnim + st.anim.dtAnim;
}

int LastAnimatedStreamline(const FlowState& st) {
  return LastStreamline(st, st.anim.kAnim);
}

void SinCos(double a, double* s, double* c) {
#if defined(__GLIBC__) || defined(__EMSCRIPTEN__)
  // glibc's sincos, and musl's (the browser edition's C library), run the very code of their sin
  // and cos on one argument reduction.
  ::sincos(a, s, c);
#else
  *s = std::sin(a);
  *c = std::cos(a);
#endif
}

void UpdateDisplacedLines(FlowState& st) {
  // The constants in locals: the stores into the line arrays cannot then force them to be
  // read again from the store at every point.
  const AnimState an = st.anim;
  const double twoPi = st.TwoPi;
  const int kLast = LastAnimatedStreamline(st);
  for (int i = 1; i <= kLast; ++i) {
    const int last = std::min(st.nPts[static_cast<std::size_t>(i)], kLastPoint);
    const double* const xs = st.XS.Row(i);
    const double* const ys = st.YS.Row(i);
    double* const y1 = st.YAnim1.Row(i);
    double* const y2 = st.YAnim2.Row(i);
    for (int j = 1; j <= last; ++j) {
      const DisplacedHeights h = DisplacedPoint(an, twoPi, xs[j], ys[j]);
      y1[j] = h.y1;
      y2[j] = h.y2;
    }
  }
}

}  // namespace jouk
