#include "PlotView.hpp"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

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

}  // namespace

PlotView::PlotView(QWidget* parent) : PlotView(QSize(kImageWidth, kImageHeight), parent) {}

PlotView::PlotView(QSize imageSize, QWidget* parent)
    : QWidget(parent),
      image_(std::max(imageSize.width(), 1), std::max(imageSize.height(), 1),
             QImage::Format_RGB32) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Until the first start the picture shows the toolkit's own background.
  back_ = palette().color(backgroundRole()).rgb();
  Fill();
}

QSize PlotView::sizeHint() const {
  return image_.size();
}

void PlotView::SetBackColor(const QColor& color) {
  back_ = color.rgb();
  Fill();
  update();
}

QColor PlotView::BackColor() const {
  return QColor(back_);
}

void PlotView::Scale(double x1, double y1, double x2, double y2) {
  originX_ = x1;
  originY_ = y1;
  scaleX_ = image_.width() / (x2 - x1);
  scaleY_ = image_.height() / (y2 - y1);
}

void PlotView::Cls() {
  Fill();
  update();
}

void PlotView::Fill() {
  image_.fill(back_);
}

void PlotView::Line(float x1, float y1, float x2, float y2, QRgb color) {
  if (image_.isNull()) return;  // the image could not be allocated
  DrawSegment(image_.bits(), image_.bytesPerLine(), image_.width(), image_.height(),
              ToDevice(x1, y1), ToDevice(x2, y2), color | 0xff000000u);
}

void PlotView::Polyline(const double* x, const double* y, int count, QRgb color) {
  if (count < 2 || image_.isNull()) return;
  uchar* const bits = image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  const int w = image_.width();
  const int h = image_.height();
  const QRgb pixel = color | 0xff000000u;
  Device previous = ToDevice(static_cast<float>(x[0]), static_cast<float>(y[0]));
  for (int k = 1; k < count; ++k) {
    const Device next = ToDevice(static_cast<float>(x[k]), static_cast<float>(y[k]));
    DrawSegment(bits, stride, w, h, previous, next, pixel);
    previous = next;
  }
}

void PlotView::DrawSegment(uchar* bits, qsizetype stride, int w, int h, Device a, Device b,
                           QRgb pixel) {
  // Most segments lie wholly inside; only the others need clipping (NaN fails these tests too).
  const bool inside =
      a.u >= 0 && a.u < w && a.v >= 0 && a.v < h && b.u >= 0 && b.u < w && b.v >= 0 && b.v < h;
  if (!inside && !ClipToRectangle(a.u, a.v, b.u, b.v, w, h)) return;

  // Bresenham from the first end's pixel to the second's, both included.
  int c = PixelIndex(a.u, w);
  int r = PixelIndex(a.v, h);
  const int c2 = PixelIndex(b.u, w);
  const int r2 = PixelIndex(b.v, h);
  const int dc = std::abs(c2 - c);
  const int dr = -std::abs(r2 - r);
  const int stepC = c < c2 ? 1 : -1;
  const int stepR = r < r2 ? 1 : -1;
  int err = dc + dr;
  for (;;) {
    reinterpret_cast<QRgb*>(bits + r * stride)[c] = pixel;
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

void PlotView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  painter.drawImage(area.topLeft(), image_, area);
  // Beyond the picture (should the widget be larger) show the background colour.
  const QRegion outside = QRegion(area).subtracted(QRect(QPoint(0, 0), image_.size()));
  for (const QRect& part : outside) painter.fillRect(part, QColor(back_));
}
