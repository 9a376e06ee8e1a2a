// The field picture drawn on a raster: the pressure colours pixel by pixel, the lines through the
// raster's segment rules, and the colour bar with its numbers in a small pixel font of its own
// (the model has no toolkit to draw text with).
#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "model/FieldPicture.hpp"
#include "model/FlowPicture.hpp"
#include "model/MathConstants.hpp"

namespace jouk {

namespace {

// Glyphs of 5 × 7 pixels, each row a 5-bit mask, the leftmost pixel the highest bit.
struct Glyph {
  char c;
  std::array<unsigned char, 7> rows;
};
constexpr Glyph kGlyphs[] = {
    {'0', {14, 17, 19, 21, 25, 17, 14}}, {'1', {4, 12, 4, 4, 4, 4, 14}},
    {'2', {14, 17, 1, 2, 4, 8, 31}},     {'3', {31, 2, 4, 2, 1, 17, 14}},
    {'4', {2, 6, 10, 18, 31, 2, 2}},     {'5', {31, 16, 30, 1, 1, 17, 14}},
    {'6', {6, 8, 16, 30, 17, 17, 14}},   {'7', {31, 1, 2, 4, 8, 8, 8}},
    {'8', {14, 17, 17, 14, 17, 17, 14}}, {'9', {14, 17, 17, 15, 1, 2, 12}},
    {'.', {0, 0, 0, 0, 0, 12, 12}},      {'-', {0, 0, 0, 14, 0, 0, 0}},
    {'C', {14, 17, 16, 16, 16, 17, 14}}, {'p', {0, 0, 30, 17, 30, 16, 16}},
};

// Fills the rectangle of device pixels [x, x + w) × [y, y + h), clipped to the picture.
void FillPixels(Raster& raster, int x, int y, int w, int h, Rgb color) {
  const int x0 = std::max(x, 0);
  const int x1 = std::min(x + w, raster.width());
  const int y0 = std::max(y, 0);
  const int y1 = std::min(y + h, raster.height());
  for (int r = y0; r < y1; ++r) {
    Rgb* row = raster.pixels() + static_cast<std::ptrdiff_t>(r) * raster.pitch();
    std::fill(row + std::max(x0, 0), row + std::max(x1, x0), color);
  }
}

// Writes text with its upper-left corner at device pixel (x, y), each font pixel scale × scale.
void DrawText(Raster& raster, int x, int y, std::string_view text, int scale, Rgb color) {
  for (const char c : text) {
    for (const Glyph& g : kGlyphs) {
      if (g.c != c) continue;
      for (int r = 0; r < 7; ++r) {
        for (int k = 0; k < 5; ++k) {
          if ((g.rows[r] >> (4 - k)) & 1) {
            FillPixels(raster, x + k * scale, y + r * scale, scale, scale, color);
          }
        }
      }
    }
    x += 6 * scale;
  }
}

// Every device pixel of the flow in the colour of its Cp (at the pixel's centre).
void DrawCpColours(Raster& raster, const FieldScene& scene, const FieldPictureSetup& setup,
                   double limit) {
  const WorldWindow& w = scene.window;
  const double dx = (w.x2 - w.x1) / raster.width();
  const double dy = (w.y2 - w.y1) / raster.height();
  for (int r = 0; r < raster.height(); ++r) {
    Rgb* row = raster.pixels() + static_cast<std::ptrdiff_t>(r) * raster.pitch();
    for (int c = 0; c < raster.width(); ++c) {
      double cp = 0;
      const Complex Q(w.x1 + (c + 0.5) * dx, w.y1 + (r + 0.5) * dy);
      if (FieldCpAt(scene, setup, Q, cp)) row[c] = CpColor(cp, limit);
    }
  }
}

void DrawLine(Raster& raster, const std::vector<Complex>& points, Rgb color) {
  for (std::size_t k = 1; k < points.size(); ++k) {
    raster.Line(static_cast<float>(points[k - 1].real()), static_cast<float>(points[k - 1].imag()),
                static_cast<float>(points[k].real()), static_cast<float>(points[k].imag()), color);
  }
}

// A mark of half size h (world units) at p: 0 a cross, 1 a square, 2 a diamond.
void DrawMark(Raster& raster, Complex p, double h, int shape, Rgb color) {
  std::vector<Complex> outline;
  if (shape == 0) {
    DrawLine(raster, {p - Complex(h, h), p + Complex(h, h)}, color);
    DrawLine(raster, {p - Complex(h, -h), p + Complex(h, -h)}, color);
    return;
  }
  for (int k = 0; k <= 4; ++k) {
    const double angle = kPi / 2 * k + (shape == 1 ? kPi / 4 : 0);
    outline.push_back(p + std::polar(shape == 1 ? h * std::sqrt(2.0) : h, angle));
  }
  DrawLine(raster, outline, color);
}

// The colour bar at the right edge: a strip from +limit (top) to −limit, its numbers and "Cp".
void DrawColourBar(Raster& raster, double limit, int ratio) {
  const int top = raster.height() / 5;
  const int height = raster.height() - 2 * top;
  const int strip = raster.width() - 58 * ratio;
  FillPixels(raster, strip - 4 * ratio, top - 14 * ratio, 58 * ratio, height + 22 * ratio,
             kPlotBackground);
  for (int r = 0; r < height; ++r) {
    const double cp = limit * (1 - 2.0 * (r + 0.5) / height);
    FillPixels(raster, strip, top + r, 10 * ratio, 1, CpColor(cp, limit));
  }
  DrawText(raster, strip, top - 11 * ratio, "Cp", ratio, kStreamlineColor);
  const std::vector<BarTick> ticks = CpBarTicks(limit);
  for (std::size_t k = 0; k < ticks.size(); ++k) {
    const int y = top + static_cast<int>(std::lround(height * k / (ticks.size() - 1.0)));
    // The tick left of the strip, so that it does not read as a minus sign of the number.
    FillPixels(raster, strip - 3 * ratio, std::min(y, top + height - ratio), 3 * ratio, ratio,
               kStreamlineColor);
    DrawText(raster, strip + 15 * ratio, y - 3 * ratio, ticks[k].text, ratio, kStreamlineColor);
  }
}

}  // namespace

bool DrawFieldPicture(Raster& raster, const FlowState& st, const FieldPictureSetup& setup,
                      int ratio, MessageId& reason) {
  FieldScene scene;
  if (!MakeFieldScene(st, setup, scene, reason)) return false;
  ratio = std::max(ratio, 1);
  raster.SetBackColor(kPlotBackground);
  raster.Scale(scene.window.x1, scene.window.y1, scene.window.x2, scene.window.y2);
  raster.SetPenWidth(ratio);
  const double limit = setup.cp ? SceneCpLimit(scene, setup) : 1;
  if (setup.cp) DrawCpColours(raster, scene, setup, limit);
  DrawLine(raster, scene.singularCircle, kSingularMarkColor);
  for (std::size_t k = 1; k < scene.streamlines.size(); ++k) {
    DrawLine(raster, scene.streamlines[k], kStreamlineColor);
  }
  if (!scene.streamlines.empty()) DrawLine(raster, scene.streamlines[0], kContourColor);
  const double h = 4.0 * ratio * (scene.window.x2 - scene.window.x1) / raster.width();
  DrawMark(raster, scene.centre, h, 0, kCentreMarkColor);
  for (const Complex p : scene.singular) DrawMark(raster, p, 0.75 * h, 1, kSingularMarkColor);
  for (const Complex p : scene.stagnation) DrawMark(raster, p, h, 2, kStagnationMarkColor);
  if (setup.cp) DrawColourBar(raster, limit, ratio);
  return true;
}

}  // namespace jouk
