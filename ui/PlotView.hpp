// The plot area of the main window: a picture that keeps its drawing in a backing image and
// draws straight segments in world coordinates.
//
// World to pixel. Scale(x1, y1, x2, y2) gives the upper-left corner of the image the world
// coordinates (x1, y1) and the lower-right corner (x2, y2). A world point (x, y) lies at the
// device position
//     u = (x − x1) · W / (x2 − x1),   v = (y − y1) · H / (y2 − y1)
// (W × H the image size, computed in double precision), and falls in the pixel column floor(u)
// and row floor(v): pixel (c, r) covers c ≤ u < c + 1 and r ≤ v < r + 1. The closed window is
// drawn, so the right and bottom edges (u = W, v = H) belong to the last column and row.
//
// Line. A segment is first clipped to the window [0, W] × [0, H] in double precision, its ends
// are then taken to their pixels by the rule above, and the pixels between them are set by an
// integer Bresenham walk from the first end to the second, both ends included. Each pixel simply
// takes the pen's colour, so drawing a segment again in the background colour removes it. A
// segment whose device coordinates are not finite numbers (a window of zero width or height, or
// NaN and infinite input) draws nothing.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

class QPaintEvent;

class PlotView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kImageWidth = 600;
  static constexpr int kImageHeight = 400;

  explicit PlotView(QWidget* parent = nullptr);
  // A plot view whose backing image has the given size instead of 600 × 400 (each side at least
  // one pixel). The world window then maps onto that image by the same rule.
  explicit PlotView(QSize imageSize, QWidget* parent = nullptr);

  QSize sizeHint() const override;

  // Sets the background colour and fills the whole picture with it at once.
  void SetBackColor(const QColor& color);
  QColor BackColor() const;

  // Sets the world window (upper-left corner (x1, y1), lower-right corner (x2, y2)); draws
  // nothing and keeps what was drawn.
  void Scale(double x1, double y1, double x2, double y2);

  // Fills the picture with the background colour.
  void Cls();

  // Draws the segment from (x1, y1) to (x2, y2), world coordinates, one pixel wide, in color.
  // Only the backing image changes: the caller asks for one repaint after a batch of segments.
  void Line(float x1, float y1, float x2, float y2, QRgb color);

  // Draws the count − 1 segments between consecutive points (x[k], y[k]), each coordinate taken
  // in single precision: the same pixels as a Line call per segment, in order.
  void Polyline(const double* x, const double* y, int count, QRgb color);

  // The backing image (kImageWidth × kImageHeight unless constructed with another size, 32-bit
  // RGB).
  const QImage& image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Device {
    double u, v;
  };
  Device ToDevice(float x, float y) const {
    return {(static_cast<double>(x) - originX_) * scaleX_,
            (static_cast<double>(y) - originY_) * scaleY_};
  }
  // Whether a device position lies in the half-open window [0, w) × [0, h); false for NaN.
  static bool Inside(Device p, int w, int h) { return p.u >= 0 && p.u < w && p.v >= 0 && p.v < h; }
  // Clips the segment a–b to the w × h window and walks it.
  static void DrawSegment(uchar* bits, qsizetype stride, int w, int h, Device a, Device b,
                          QRgb pixel);
  // Sets the pixels of the Bresenham walk from pixel (c, r) to pixel (c2, r2), both included;
  // both must lie in the image.
  static void Walk(uchar* bits, qsizetype stride, int c, int r, int c2, int r2, QRgb pixel);
  void Fill();

  QImage image_;
  QRgb back_;
  // World window: u = (x − originX_) · scaleX_, v = (y − originY_) · scaleY_.
  double originX_ = 0;
  double originY_ = 0;
  double scaleX_ = 1;
  double scaleY_ = 1;
};
