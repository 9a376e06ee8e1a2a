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
  QRgb* const pixels = reinterpret_cast<QRgb*>(bits);
  const int pitch = static_cast<int>(stride / static_cast<qsizetype>(sizeof(QRgb)));
  const double originX = originX_, originY = originY_, scaleX = scaleX_, scaleY = scaleY_;
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
  for (int first = 0; first < count - 1; first += kBlock) {
    const int segments = std::min(kBlock, count - 1 - first);
    const double* const xb = x + first;
    const double* const yb = y + first;
    // As ToDevice, on the coordinates taken in single precision.
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
    for (int m = 0; m < segments; ++m) {
      if (adjacent[m]) {
        // The same or neighbouring pixels (most segments of a dense streamline): the walk
        // sets exactly the two ends.
        pixels[index[m]] = pixel;
        pixels[index[m + 1]] = pixel;
      } else if ((column[m] | row[m] | column[m + 1] | row[m + 1]) >= 0) {
        Walk(bits, stride, column[m], row[m], column[m + 1], row[m + 1], pixel);
      } else {
        DrawSegment(bits, stride, w, h, Device{u[m], v[m]}, Device{u[m + 1], v[m + 1]}, pixel);
      }
    }
  }
}

void PlotView::DrawSegment(uchar* bits, qsizetype stride, int w, int h, Device a, Device b,
                           QRgb pixel) {
  // Most segments lie wholly inside; only the others need clipping (NaN fails these tests too).
  if (!(Inside(a, w, h) && Inside(b, w, h)) && !ClipToRectangle(a.u, a.v, b.u, b.v, w, h)) return;

  Walk(bits, stride, PixelIndex(a.u, w), PixelIndex(a.v, h), PixelIndex(b.u, w), PixelIndex(b.v, h),
       pixel);
}

void PlotView::Walk(uchar* bits, qsizetype stride, int c, int r, int c2, int r2, QRgb pixel) {
  const int dc = std::abs(c2 - c);
  const int dr = -std::abs(r2 - r);
  // Bresenham from the first end's pixel to the second's, both included.
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
