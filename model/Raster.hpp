// The picture's pixels and its drawing operations: a background colour that fills it, a world
// window, and straight segments in world coordinates. No toolkit is involved, so the window and
// the exporter draw the same pixels through the same code, with or without a display.
//
// World to pixel. Scale(x1, y1, x2, y2) gives the upper-left corner of the picture the world
// coordinates (x1, y1) and the lower-right corner (x2, y2). A world point (x, y), taken in single
// precision, lies at the device position
//     u = (x − x1) · W / (x2 − x1),   v = (y − y1) · H / (y2 − y1)
// (W × H the picture size, computed in double precision), and falls in the pixel column floor(u)
// and row floor(v): pixel (c, r) covers c ≤ u < c + 1 and r ≤ v < r + 1. The closed window is
// drawn, so the right and bottom edges (u = W, v = H) belong to the last column and row.
//
// Line. A segment is first clipped to the window [0, W] × [0, H] in double precision, its ends
// are then taken to their pixels by the rule above, and the pixels between them are set by an
// integer Bresenham walk from the first end to the second, both ends included. Each pixel simply
// takes the pen's colour, so drawing a segment again in the background colour removes it. A
// segment whose device coordinates are not finite numbers (a window of zero width or height, or
// NaN and infinite input) draws nothing.
//
// Pen width. A picture drawn for a screen of high pixel density has more pixels in the same world
// window; there the pen can be w pixels wide: every pixel of the walk then sets the w × w square
// of pixels of which it is the one nearest the upper-left corner, clipped to the picture. The
// rules above hold unchanged (the same segment sets the same squares), so erasing by overdrawing
// stays exact. These rules are written out here rather than left to a
// graphics library because the erasing by overdrawing depends on every pixel being set exactly
// the same way twice, and the pictures are compared pixel for pixel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace jouk {

// A colour as a 32-bit RGB picture stores it: 0xffRRGGBB.
using Rgb = std::uint32_t;

constexpr Rgb MakeRgb(int red, int green, int blue) {
  return 0xff000000u | (static_cast<Rgb>(red) << 16) | (static_cast<Rgb>(green) << 8) |
         static_cast<Rgb>(blue);
}

// The pen's width in device pixels at a device pixel ratio: the ratio rounded, at least 1 (one at
// 1, two at 1.5 and at 2), so that lines keep on a dense screen the weight they have at 1×.
int PenWidthForRatio(double ratio);

// The device pixels of a length of `logical` pixels at a device pixel ratio: round(logical·ratio),
// at least 1.
int DevicePixelsFor(int logical, double ratio);

// A world window: upper-left corner (x1, y1), lower-right corner (x2, y2).
struct WorldWindow {
  double x1, y1, x2, y2;
};

struct DevicePoint {
  double u, v;
};

struct Pixel {
  int column, row;
  bool operator==(const Pixel&) const = default;
};

// The world-to-device rule for a world window on a picture of width × height pixels.
class DeviceMap {
 public:
  DeviceMap() = default;
  DeviceMap(const WorldWindow& w, int width, int height)
      : originX_(w.x1),
        originY_(w.y1),
        scaleX_(width / (w.x2 - w.x1)),
        scaleY_(height / (w.y2 - w.y1)) {}

  // u = (x − x1)·W/(x2 − x1), v = (y − y1)·H/(y2 − y1), from the point in single precision.
  DevicePoint ToDevice(double x, double y) const {
    return {(static_cast<double>(static_cast<float>(x)) - originX_) * scaleX_,
            (static_cast<double>(static_cast<float>(y)) - originY_) * scaleY_};
  }

 private:
  friend class Raster;
  double originX_ = 0;
  double originY_ = 0;
  double scaleX_ = 1;
  double scaleY_ = 1;
};

// The pixel a device position falls in on a width × height picture, the right and bottom edges
// belonging to the last column and row; nothing for a position outside or not a number.
std::optional<Pixel> PixelAt(DevicePoint p, int width, int height);

// Drawing on pixels that someone else owns, row by row, `pitch` pixels from one row to the next.
class Raster {
 public:
  Raster(Rgb* pixels, int width, int height, std::ptrdiff_t pitch, Rgb back);

  // Points the raster at another copy of the same pixels (after a copy-on-write detach).
  void Rebind(Rgb* pixels) { pixels_ = pixels; }

  int width() const { return width_; }
  int height() const { return height_; }
  Rgb* pixels() { return pixels_; }
  const Rgb* pixels() const { return pixels_; }
  std::ptrdiff_t pitch() const { return pitch_; }

  // Sets the background colour and fills the whole picture with it at once.
  void SetBackColor(Rgb color);
  Rgb BackColor() const { return back_; }

  // Fills the picture with the background colour.
  void Cls();

  // Sets every pixel of colour `from` to colour `to`.
  void ReplaceColor(Rgb from, Rgb to);

  // Sets the world window (upper-left corner (x1, y1), lower-right corner (x2, y2)); draws
  // nothing and keeps what was drawn.
  void Scale(double x1, double y1, double x2, double y2);
  const DeviceMap& Map() const { return map_; }

  // The pen's width in pixels (at least 1; 1 unless set).
  void SetPenWidth(int width);
  int PenWidth() const { return pen_; }

  // Draws the segment from (x1, y1) to (x2, y2), world coordinates, one pixel wide, in color.
  void Line(float x1, float y1, float x2, float y2, Rgb color);

  // Draws the count − 1 segments between consecutive points (x[k], y[k]), each coordinate taken
  // in single precision: the same pixels as a Line call per segment, in order.
  void Polyline(const double* x, const double* y, int count, Rgb color);

 private:
  // Clips the segment a–b to the window and walks it.
  void DrawSegment(DevicePoint a, DevicePoint b, Rgb pixel);
  // Sets the pixels of the Bresenham walk from pixel (c, r) to pixel (c2, r2), both included;
  // both must lie in the picture.
  void Walk(int c, int r, int c2, int r2, Rgb pixel);
  // Sets the pen's square at pixel (c, r), which lies in the picture.
  void Stamp(int c, int r, Rgb pixel);
  // Polyline's drawing of one block of segments, already taken to the device, with a pen wider
  // than one pixel; `stamped` carries the last pixel stamped from block to block.
  void DrawBlockWithPen(int segments, const double* u, const double* v, const int* column,
                        const int* row, const int* index, const int* adjacent, int& stamped,
                        Rgb pixel);

  Rgb* pixels_;
  int width_;
  int height_;
  std::ptrdiff_t pitch_;
  Rgb back_;
  DeviceMap map_;
  int pen_ = 1;
};

// A picture that owns its pixels (at least one pixel each way).
class RasterImage {
 public:
  // width × height pixels of colour back; no pixels at all when they cannot be allocated.
  RasterImage(int width, int height, Rgb back);
  RasterImage(const RasterImage&) = delete;
  RasterImage& operator=(const RasterImage&) = delete;

  bool empty() const { return pixels_.empty(); }
  Raster& raster() { return raster_; }
  const Raster& raster() const { return raster_; }
  const std::vector<Rgb>& pixels() const { return pixels_; }

 private:
  std::vector<Rgb> pixels_;
  Raster raster_;
};

}  // namespace jouk
