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

double PeriodDrift(const FlowState& st, int ticks) {
  const AnimState& an = st.anim;
  const double n = std::max(ticks, 0);
  const double latest = n * std::fabs(an.dtAnim) + 1;
  double farthest = 0;  // |x| / wavelength over every point
  const double shortest = std::min(std::fabs(an.LenShort), std::fabs(double(an.LenLong)));
  const int kLast = LastAnimatedStreamline(st);
  for (int i = 1; i <= kLast; ++i) {
    const int count = std::min(st.nPts[static_cast<std::size_t>(i)], kLastPoint);
    for (int j = 1; j <= count; ++j) farthest = std::max(farthest, std::fabs(st.XS(i, j)));
  }
  farthest /= shortest;
  const auto ulp = [](double v) { return std::nextafter(v, HUGE_VAL) - v; };
  // The clock: n additions, each off by half an ulp of the time, and the step's own error.
  const double stepError =
      std::fabs(std::fma(kTicksPerTimeUnit, std::fabs(an.dtAnim), -1.0)) / kTicksPerTimeUnit;
  const double clock = n * (ulp(latest) / 2 + stepError);
  // The phase x/L − t, its product with 2π (whose error grows with the turns) and the sine.
  const double phase = farthest + latest;
  const double angle = std::fabs(st.TwoPi) * (clock + 2 * ulp(phase)) + 4 * ulp(8 * phase) +
                       1e-15 * phase + 4 * ulp(1.0);
  const double amp =
      std::fabs(an.AmpLong) + std::max(std::fabs(an.AmpShort1), std::fabs(an.AmpShort2));
  return 2 * (amp * angle + 8 * ulp(1.0 + 2 * amp));
}

namespace {

// The pixel row of a displaced point at x of height y, the rows it can fall in when moved by up to
// drift, and its column; `inside` when all of that lies in the picture.
struct DriftRange {
  int column, row, rowLo, rowHi;
  bool inside;
};

DriftRange RangeOf(const DeviceMap& map, double x, double y, double drift, int width, int height) {
  const DevicePoint at = map.ToDevice(x, y);
  const DevicePoint lo = map.ToDevice(x, y - drift);
  const DevicePoint hi = map.ToDevice(x, y + drift);
  const auto in = [&](const DevicePoint& p) {
    return p.u >= 0 && p.u < width && p.v >= 0 && p.v < height;
  };
  if (!in(lo) || !in(hi) || !in(at)) return {0, 0, 0, 0, false};
  const int a = static_cast<int>(std::floor(lo.v));
  const int b = static_cast<int>(std::floor(hi.v));
  return {static_cast<int>(std::floor(at.u)), static_cast<int>(std::floor(at.v)), std::min(a, b),
          std::max(a, b), true};
}

// The row of the pixel a displaced point inside the picture falls in.
int RowOf(const DeviceMap& map, double x, double y) {
  return static_cast<int>(std::floor(map.ToDevice(x, y).v));
}

// Both lines' ranges at one point.
struct PointDrift {
  DriftRange line1, line2;
  bool steady() const {
    return line1.inside && line2.inside && line1.rowLo == line1.rowHi && line2.rowLo == line2.rowHi;
  }
};

}  // namespace

DriftingSegments::DriftingSegments(const FlowState& st, const std::vector<PointRun>& runs,
                                   const DeviceMap& map, int width, int height, double drift) {
  std::vector<PointDrift> at(static_cast<std::size_t>(kLastPoint) + 1);
  const int kLast = LastAnimatedStreamline(st);
  for (const PointRun& run : runs) {
    if (run.streamline < 1 || run.streamline > kLast || run.first < 1 || run.last <= run.first ||
        run.last > std::min(st.nPts[static_cast<std::size_t>(run.streamline)], kLastPoint)) {
      continue;
    }
    for (int j = run.first; j <= run.last; ++j) {
      const double x = st.XS(run.streamline, j);
      const DisplacedHeights h = DisplacedPoint(st.anim, st.TwoPi, x, st.YS(run.streamline, j));
      at[static_cast<std::size_t>(j)] = {RangeOf(map, x, h.y1, drift, width, height),
                                         RangeOf(map, x, h.y2, drift, width, height)};
    }
    const auto end = [](const PointDrift& p) {
      return End{p.line1.column,
                 {p.line1.row, p.line2.row},
                 {p.line1.rowLo, p.line2.rowLo},
                 {p.line1.rowHi, p.line2.rowHi}};
    };
    for (int j = run.first; j < run.last; ++j) {
      const PointDrift& a = at[static_cast<std::size_t>(j)];
      const PointDrift& b = at[static_cast<std::size_t>(j) + 1];
      if (a.steady() && b.steady()) continue;
      const bool clipped = !(a.line1.inside && a.line2.inside && b.line1.inside && b.line2.inside);
      segments_.push_back({run.streamline, j, end(a), end(b), clipped});
    }
  }
}

void DriftingSegments::KeepThoseThatReach(const Raster& raster, Rgb color) {
  const auto reaches = [&](const Segment& s) {
    if (s.clipped) return true;
    for (int line = 0; line < 2; ++line) {
      for (int ra = s.a.rowLo[line]; ra <= s.a.rowHi[line]; ++ra) {
        for (int rb = s.b.rowLo[line]; rb <= s.b.rowHi[line]; ++rb) {
          if (raster.WalkMeets(s.a.column, ra, s.b.column, rb, color)) return true;
        }
      }
    }
    return false;
  };
  std::erase_if(segments_, [&](const Segment& s) { return !reaches(s); });
}

void DriftingSegments::Draw(Raster& raster, const FlowState& st, Rgb color) const {
  const DeviceMap& map = raster.Map();
  for (const Segment& s : segments_) {
    const double* const xs = st.XS.Row(s.streamline) + s.first;
    const double* const ys = st.YS.Row(s.streamline) + s.first;
    // A steady end keeps its row on both lines; the other end tells whether a line moved.
    DisplacedHeights h[2];
    bool known[2] = {false, false};
    const auto heights = [&](int k) -> const DisplacedHeights& {
      if (!known[k]) h[k] = DisplacedPoint(st.anim, st.TwoPi, xs[k], ys[k]);
      known[k] = true;
      return h[k];
    };
    const End* const ends[2] = {&s.a, &s.b};
    for (int line = 0; line < 2; ++line) {
      bool same = !s.clipped;
      for (int k = 0; k < 2 && same; ++k) {
        if (ends[k]->steady()) continue;
        const DisplacedHeights& e = heights(k);
        same = RowOf(map, xs[k], line == 0 ? e.y1 : e.y2) == ends[k]->row[line];
      }
      if (same) continue;
      const double y0 = line == 0 ? heights(0).y1 : heights(0).y2;
      const double y1 = line == 0 ? heights(1).y1 : heights(1).y2;
      raster.Line(static_cast<float>(xs[0]), static_cast<float>(y0), static_cast<float>(xs[1]),
                  static_cast<float>(y1), color);
    }
  }
}

std::vector<PointRun> DriftingSegments::Runs() const {
  std::vector<PointRun> runs;
  for (const Segment& s : segments_) {
    if (!runs.empty() && runs.back().streamline == s.streamline && runs.back().last == s.first) {
      ++runs.back().last;
    } else {
      runs.push_back({s.streamline, s.first, s.first + 1});
    }
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
