#include "model/ContourCuts.hpp"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>
#include <utility>

#include "model/Animation.hpp"

namespace jouk {

namespace {

// Device coordinates beyond this size (or not numbers) are not bounded by the reach test: a
// clipped end far outside the picture may round away from its segment by more than the margin.
constexpr double kModerate = 1e9;

// A segment spanning more columns than this is tested against the box of the colour only.
constexpr int kMostColumnsScanned = 64;

bool Moderate(double v) {
  return v > -kModerate && v < kModerate;
}

// The device positions a displaced point can take: column position u, rows vLo..vHi.
struct ReachBox {
  double u, vLo, vHi;
};

// Whether the segment between two points with these boxes can set a pixel of target, drawn with
// a pen `pen` pixels wide (whose squares reach pen − 1 pixels to the right and down).
bool CanReach(const ReachBox& a, const ReachBox& b, const ColumnSpans& target, int pen) {
  if (!(Moderate(a.u) && Moderate(a.vLo) && Moderate(a.vHi) && Moderate(b.u) && Moderate(b.vLo) &&
        Moderate(b.vHi))) {
    return true;
  }
  const int c0 = static_cast<int>(std::floor(std::min(a.u, b.u))) - kReachMargin;
  const int c1 = static_cast<int>(std::floor(std::max(a.u, b.u))) + kReachMargin + pen - 1;
  const int r0 = static_cast<int>(std::floor(std::min(a.vLo, b.vLo))) - kReachMargin;
  const int r1 = static_cast<int>(std::floor(std::max(a.vHi, b.vHi))) + kReachMargin + pen - 1;
  return target.Meets(c0, c1, r0, r1);
}

}  // namespace

bool ColumnSpans::Meets(int c0, int c1, int r0, int r1) const {
  const int lo = std::max(c0, firstColumn);
  const int hi = std::min(c1, lastColumn);
  if (lo > hi || r1 < topRow || r0 > bottomRow) return false;
  if (hi - lo >= kMostColumnsScanned) return true;
  for (int c = lo; c <= hi; ++c) {
    const std::size_t k = static_cast<std::size_t>(c);
    if (top[k] <= r1 && bottom[k] >= r0) return true;
  }
  return false;
}

ColumnSpans SpansOfColor(const Raster& raster, Rgb color) {
  ColumnSpans spans;
  const int width = raster.width();
  const int height = raster.height();
  if (width < 1 || height < 1) return spans;
  spans.top.assign(static_cast<std::size_t>(width), INT_MAX);
  spans.bottom.assign(static_cast<std::size_t>(width), -1);
  spans.firstColumn = width;
  spans.topRow = height;
  for (int r = 0; r < height; ++r) {
    const Rgb* const row = raster.pixels() + r * raster.pitch();
    for (int c = 0; c < width; ++c) {
      if (row[c] != color) continue;
      const std::size_t k = static_cast<std::size_t>(c);
      spans.top[k] = std::min(spans.top[k], r);
      spans.bottom[k] = r;
      spans.firstColumn = std::min(spans.firstColumn, c);
      spans.lastColumn = std::max(spans.lastColumn, c);
      spans.topRow = std::min(spans.topRow, r);
      spans.bottomRow = r;
    }
  }
  return spans;
}

std::vector<PointRun> RunsThatCanReach(const FlowState& st, const DeviceMap& map,
                                       const ColumnSpans& target, int width, int height,
                                       int penWidth) {
  std::vector<PointRun> runs;
  if (target.empty() || width < 1 || height < 1) return runs;
  // |AmpLong·sin| ≤ |AmpLong| and |AmpShort·sin| ≤ max |AmpShort|, and a rounded sum grows with
  // either term, so fl(fl(y + a) + b) lies between (y − amp) − ripple and (y + amp) + ripple
  // rounded the same way. Taking y in single precision and mapping it to the device are
  // monotonic as well, so the device rows of the two bounds enclose those of every frame.
  const AnimState& an = st.anim;
  const double amp = std::fabs(an.AmpLong);
  const double ripple = std::max(std::fabs(an.AmpShort1), std::fabs(an.AmpShort2));
  std::vector<ReachBox> boxes(static_cast<std::size_t>(kLastPoint) + 1);
  const int kLast = LastAnimatedStreamline(st);
  for (int i = 1; i <= kLast; ++i) {
    const int count = std::min(st.nPts[static_cast<std::size_t>(i)], kLastPoint);
    const double* const xs = st.XS.Row(i);
    const double* const ys = st.YS.Row(i);
    for (int j = 1; j <= count; ++j) {
      const DevicePoint low = map.ToDevice(xs[j], (ys[j] - amp) - ripple);
      const DevicePoint high = map.ToDevice(xs[j], (ys[j] + amp) + ripple);
      boxes[static_cast<std::size_t>(j)] = {low.u, std::min(low.v, high.v),
                                            std::max(low.v, high.v)};
    }
    int open = 0;  // first point of the run being collected, 0 for none
    for (int j = 1; j < count; ++j) {
      const bool reach =
          CanReach(boxes[static_cast<std::size_t>(j)], boxes[static_cast<std::size_t>(j) + 1],
                   target, std::max(penWidth, 1));
      if (reach && open == 0) {
        open = j;
      } else if (!reach && open != 0) {
        runs.push_back({i, open, j});
        open = 0;
      }
    }
    if (open != 0) runs.push_back({i, open, count});
  }
  return runs;
}

DisplacedRunPainter::DisplacedRunPainter(std::vector<PointRun> runs)
    : runs_(std::move(runs)),
      y1_(static_cast<std::size_t>(kLastPoint) + 1),
      y2_(static_cast<std::size_t>(kLastPoint) + 1) {}

void DisplacedRunPainter::Draw(Raster& raster, const FlowState& st, Rgb color) {
  const AnimState an = st.anim;
  const double twoPi = st.TwoPi;
  const int kLast = LastAnimatedStreamline(st);
  for (const PointRun& run : runs_) {
    if (run.streamline < 1 || run.streamline > kLast || run.first < 1 || run.last <= run.first ||
        run.last > std::min(st.nPts[static_cast<std::size_t>(run.streamline)], kLastPoint)) {
      continue;
    }
    const double* const xs = st.XS.Row(run.streamline) + run.first;
    const double* const ys = st.YS.Row(run.streamline) + run.first;
    const int count = run.last - run.first + 1;
    for (int k = 0; k < count; ++k) {
      const DisplacedHeights h = DisplacedPoint(an, twoPi, xs[k], ys[k]);
      y1_[static_cast<std::size_t>(k)] = h.y1;
      y2_[static_cast<std::size_t>(k)] = h.y2;
    }
    raster.Polyline(xs, y1_.data(), count, color);
    raster.Polyline(xs, y2_.data(), count, color);
  }
}

}  // namespace jouk
