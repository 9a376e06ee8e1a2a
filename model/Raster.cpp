#include "model/Raster.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <new>

namespace jouk {

namespace {

enum Outside : unsigned { kLeft = 1, kRight = 2, kAbove = 4, kBelow = 8 };

// Which sides of the rectangle [0, w] × [0, h] the point (u, v) lies beyond.
unsigned OutsideCode(double u, double v, double w, double h) {
  return (u < 0 ? kLeft : u > w ? kRight : 0u) | (v < 0 ? kAbove : v > h ? kBelow : 0u);
}

// Clips the segment (u1, v1)–(u2, v2) to the rectangle [0, w] × [0, h] (Cohen–Sutherland). An
// end beyond a side is moved onto that side: the crossed coordinate is set to the side exactly
// and the other one interpolated from the far end, which keeps the result accurate however far
// outside the end lay. Returns false when nothing of the segment lies inside or when a
// coordinate is not a finite number.
bool ClipToRectangle(double& u1, double& v1, double& u2, double& v2, double w, double h) {
  if (!std::isfinite(u1) || !std::isfinite(v1) || !std::isfinite(u2) || !std::isfinite(v2)) {
    return false;
  }
  unsigned code1 = OutsideCode(u1, v1, w, h);
  unsigned code2 = OutsideCode(u2, v2, w, h);
  // Each end crosses at most two sides; the bound only guards against rounding ping-pong at a
  // corner, where the last pixel clamp takes over.
  for (int pass = 0; pass < 8 && (code1 | code2) != 0; ++pass) {
    if ((code1 & code2) != 0) return false;  // wholly beyond one side
    const bool first = code1 != 0;
    double& u = first ? u1 : u2;
    double& v = first ? v1 : v2;
    const double farU = first ? u2 : u1;
    const double farV = first ? v2 : v1;
    unsigned& code = first ? code1 : code2;
    if (code & kLeft) {
      v += (farV - v) * ((0 - u) / (farU - u));
      u = 0;
    } else if (code & kRight) {
      v += (farV - v) * ((w - u) / (farU - u));
      u = w;
    } else if (code & kAbove) {
      u += (farU - u) * ((0 - v) / (farV - v));
      v = 0;
    } else {
      u += (farU - u) * ((h - v) / (farV - v));
      v = h;
    }
    code = OutsideCode(u, v, w, h);
  }
  return (code1 & code2) == 0;
}

// The pixel index of device position p on an axis of n pixels, for p within [0, n] (or just
// outside it by rounding after a clip); the edge p = n belongs to the last pixel.
int PixelIndex(double p, int n) {
  // Truncation is floor for the non-negative values left after the clamp.
  return static_cast<int>(std::clamp(p, 0.0, static_cast<double>(n - 1)));
}

// Whether a device position lies in the half-open window [0, w) × [0, h); false for NaN.
bool Inside(DevicePoint p, int w, int h) {
  return p.u >= 0 && p.u < w && p.v >= 0 && p.v < h;
}

}  // namespace

int PenWidthForRatio(double ratio) {
  return std::isfinite(ratio) && ratio >= 1.5 ? static_cast<int>(std::lround(std::min(ratio, 1e6)))
                                              : 1;
}

int DevicePixelsFor(int logical, double ratio) {
  const double pixels = logical * ratio;
  return std::isfinite(pixels) && pixels >= 1.5
             ? static_cast<int>(std::lround(std::min(pixels, 1e9)))
             : 1;
}

std::optional<Pixel> PixelAt(DevicePoint p, int width, int height) {
  if (!(p.u >= 0 && p.u <= width && p.v >= 0 && p.v <= height)) return std::nullopt;
  return Pixel{PixelIndex(p.u, width), PixelIndex(p.v, height)};
}

Raster::Raster(Rgb* pixels, int width, int height, std::ptrdiff_t pitch, Rgb back)
    : pixels_(pixels),
      width_(pixels != nullptr ? width : 0),
      height_(pixels != nullptr ? height : 0),
      pitch_(pitch),
      back_(back) {}

void Raster::SetBackColor(Rgb color) {
  back_ = color;
  Cls();
}

void Raster::Cls() {
  for (int r = 0; r < height_; ++r) std::fill_n(pixels_ + r * pitch_, width_, back_);
}

void Raster::ReplaceColor(Rgb from, Rgb to) {
  for (int r = 0; r < height_; ++r) {
    Rgb* row = pixels_ + r * pitch_;
    // Branch-free, so that the loop vectorises.
    for (int c = 0; c < width_; ++c) row[c] = row[c] == from ? to : row[c];
  }
}

void Raster::Scale(double x1, double y1, double x2, double y2) {
  map_ = DeviceMap({x1, y1, x2, y2}, width_, height_);
}

void Raster::SetPenWidth(int width) {
  pen_ = std::max(width, 1);
}

void Raster::Stamp(int c, int r, Rgb pixel) {
  Rgb* const at = pixels_ + r * pitch_ + c;
  if (pen_ == 2 && c + 1 < width_ && r + 1 < height_) {  // the common case, unrolled
    at[0] = at[1] = at[pitch_] = at[pitch_ + 1] = pixel;
    return;
  }
  const int columns = std::min(pen_, width_ - c);
  const int rows = std::min(pen_, height_ - r);
  for (int k = 0; k < rows; ++k) std::fill_n(at + k * pitch_, columns, pixel);
}

void Raster::Line(float x1, float y1, float x2, float y2, Rgb color) {
  if (width_ <= 0 || height_ <= 0) return;
  DrawSegment(map_.ToDevice(x1, y1), map_.ToDevice(x2, y2), color | 0xff000000u);
}

// The hot loop of every animation tick, kept in one piece over 50 lines: the block's arrays live
// in this frame, and its loops vectorise only where they stand together.
void Raster::Polyline(const double* x, const double* y, int count, Rgb color) {
  if (count < 2 || width_ <= 0 || height_ <= 0) return;
  const int w = width_;
  const int h = height_;
  const Rgb pixel = color | 0xff000000u;
  Rgb* const pixels = pixels_;
  const int pitch = static_cast<int>(pitch_);
  const double originX = map_.originX_, originY = map_.originY_;
  const double scaleX = map_.scaleX_, scaleY = map_.scaleY_;
  // The points go to the device a block at a time, each once for the two segments that meet
  // there, in loops without branches that the compiler can vectorise. A segment whose two ends
  // lie inside the window is walked from the ends' pixels straight away (inside the window a
  // pixel index is the truncation of the device coordinate); any other goes through
  // DrawSegment, which clips it first, as Line does.
  constexpr int kBlock = 256;  // segments per block
  double u[kBlock + 1], v[kBlock + 1];
  int column[kBlock + 1], row[kBlock + 1];  // −1 outside the window
  int index[kBlock + 1];                    // row · pitch + column, for the points inside
  int adjacent[kBlock];  // segment m joins pixels inside the window at most one step apart
  int stamped = -1;      // index of the pixel whose pen square was set last (a wide pen only)
  for (int first = 0; first < count - 1; first += kBlock) {
    const int segments = std::min(kBlock, count - 1 - first);
    const double* const xb = x + first;
    const double* const yb = y + first;
    // As DeviceMap::ToDevice, on the coordinates taken in single precision.
    for (int m = 0; m <= segments; ++m) {
      u[m] = (static_cast<double>(static_cast<float>(xb[m])) - originX) * scaleX;
    }
    for (int m = 0; m <= segments; ++m) {
      v[m] = (static_cast<double>(static_cast<float>(yb[m])) - originY) * scaleY;
    }
    for (int m = 0; m <= segments; ++m) {
      column[m] = u[m] >= 0 && u[m] < w ? static_cast<int>(u[m]) : -1;
    }
    for (int m = 0; m <= segments; ++m) {
      row[m] = v[m] >= 0 && v[m] < h ? static_cast<int>(v[m]) : -1;
    }
    for (int m = 0; m <= segments; ++m) index[m] = row[m] * pitch + column[m];
    for (int m = 0; m < segments; ++m) {
      adjacent[m] = ((column[m] | row[m] | column[m + 1] | row[m + 1]) >= 0) &
                    (static_cast<unsigned>(column[m + 1] - column[m] + 1) <= 2u) &
                    (static_cast<unsigned>(row[m + 1] - row[m] + 1) <= 2u);
    }
    if (pen_ > 1) {
      DrawBlockWithPen(segments, u, v, column, row, index, adjacent, stamped, pixel);
      continue;
    }
    for (int m = 0; m < segments; ++m) {
      if (adjacent[m]) {
        // The same or neighbouring pixels (most segments of a dense streamline): the walk
        // sets exactly the two ends.
        pixels[index[m]] = pixel;
        pixels[index[m + 1]] = pixel;
      } else if ((column[m] | row[m] | column[m + 1] | row[m + 1]) >= 0) {
        Walk(column[m], row[m], column[m + 1], row[m + 1], pixel);
      } else {
        DrawSegment(DevicePoint{u[m], v[m]}, DevicePoint{u[m + 1], v[m + 1]}, pixel);
      }
    }
  }
}

void Raster::DrawBlockWithPen(int segments, const double* u, const double* v, const int* column,
                              const int* row, const int* index, const int* adjacent, int& stamped,
                              Rgb pixel) {
  // As the loop for a one-pixel pen, but each pixel of a walk sets the pen's square. Two
  // consecutive segments share a point, and the points of a dense streamline crowd into the same
  // pixel: a square just set is not set again, which leaves the pixels as they would be.
  for (int m = 0; m < segments; ++m) {
    if (adjacent[m]) {
      if (index[m] != stamped) Stamp(column[m], row[m], pixel);
      if (index[m + 1] != index[m]) Stamp(column[m + 1], row[m + 1], pixel);
      stamped = index[m + 1];
    } else if ((column[m] | row[m] | column[m + 1] | row[m + 1]) >= 0) {
      Walk(column[m], row[m], column[m + 1], row[m + 1], pixel);
      stamped = index[m + 1];
    } else {
      DrawSegment(DevicePoint{u[m], v[m]}, DevicePoint{u[m + 1], v[m + 1]}, pixel);
      stamped = -1;
    }
  }
}

void Raster::DrawSegment(DevicePoint a, DevicePoint b, Rgb pixel) {
  const int w = width_;
  const int h = height_;
  // Most segments lie wholly inside; only the others need clipping (NaN fails these tests too).
  if (!(Inside(a, w, h) && Inside(b, w, h)) && !ClipToRectangle(a.u, a.v, b.u, b.v, w, h)) return;
  Walk(PixelIndex(a.u, w), PixelIndex(a.v, h), PixelIndex(b.u, w), PixelIndex(b.v, h), pixel);
}

void Raster::Walk(int c, int r, int c2, int r2, Rgb pixel) {
  const int dc = std::abs(c2 - c);
  const int dr = -std::abs(r2 - r);
  // Bresenham from the first end's pixel to the second's, both included.
  const int stepC = c < c2 ? 1 : -1;
  const int stepR = r < r2 ? 1 : -1;
  int err = dc + dr;
  for (;;) {
    if (pen_ == 1) {
      pixels_[r * pitch_ + c] = pixel;
    } else {
      Stamp(c, r, pixel);
    }
    if (c == c2 && r == r2) break;
    const int e2 = 2 * err;
    if (e2 >= dr) {
      err += dr;
      c += stepC;
    }
    if (e2 <= dc) {
      err += dc;
      r += stepR;
    }
  }
}

namespace {

// Room for width × height pixels, or none when the size is not positive or too large.
std::vector<Rgb> AllocatePixels(int width, int height, Rgb back) {
  if (width < 1 || height < 1) return {};
  try {
    return std::vector<Rgb>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                            back);
  } catch (const std::bad_alloc&) {
    return {};
  }
}

}  // namespace

RasterImage::RasterImage(int width, int height, Rgb back)
    : pixels_(AllocatePixels(width, height, back)),
      raster_(pixels_.empty() ? nullptr : pixels_.data(), width, height, width, back) {}

}  // namespace jouk
