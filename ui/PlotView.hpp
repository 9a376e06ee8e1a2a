// The plot area of the main window: it shows a raster (the picture's pixels and drawing
// operations, with the pixel rules written out beside it) held in a backing image, and offers the
// picture's operations SetBackColor, Scale, Cls and Line in world coordinates.
//
// On a screen of high pixel density the backing image has the screen's device pixels (600 × 400
// logical pixels times the device pixel ratio) in the same world window, so the plot is as sharp
// as the text, and the pen is as many device pixels wide as the ratio rounded (one at a ratio
// of 1, two at 1.5 and at 2): the lines keep the thickness they have at 1×.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include "model/Raster.hpp"

class QFocusEvent;
class QPaintEvent;

class PlotView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kImageWidth = 600;
  static constexpr int kImageHeight = 400;

  // A 600 × 400 plot view whose backing image follows the device pixel ratio of its screen.
  explicit PlotView(QWidget* parent = nullptr);
  // A plot view whose backing image has the given size in pixels instead (each side at least
  // one pixel), whatever the screen. The world window then maps onto that image by the same rule.
  explicit PlotView(QSize imageSize, QWidget* parent = nullptr);

  QSize sizeHint() const override;

  // The pen's width in device pixels for a device pixel ratio: the ratio rounded, at least 1.
  static int PenWidthFor(double ratio);

  // Sets the background colour and fills the whole picture with it at once.
  void SetBackColor(const QColor& color);
  QColor BackColor() const;

  // Sets the world window (upper-left corner (x1, y1), lower-right corner (x2, y2)); draws
  // nothing and keeps what was drawn.
  void Scale(double x1, double y1, double x2, double y2);

  // Fills the picture with the background colour.
  void Cls();

  // Draws the segment from (x1, y1) to (x2, y2), world coordinates, in color with the pen.
  // Only the backing image changes: the caller asks for one repaint after a batch of segments.
  void Line(float x1, float y1, float x2, float y2, QRgb color);

  // Draws the count − 1 segments between consecutive points: the same pixels as a Line call per
  // segment, in order.
  void Polyline(const double* x, const double* y, int count, QRgb color);

  // The raster that draws into the backing image, for drawing a batch of segments; the caller
  // asks for the repaint.
  jouk::Raster& Canvas();

  // The backing image (its device pixel ratio set to the screen's), 32-bit RGB.
  const QImage& image() const { return image_; }

 signals:
  // The backing image was made anew for another device pixel ratio (the window went to another
  // screen): it holds only the background colour, and its owner draws what it needs again.
  void pictureRenewed();

 protected:
  // Shows the backing image; while the view has the focus, a frame in the highlight colour is
  // painted over its edge (on the screen only, never into the picture).
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // Makes the backing image for a device pixel ratio, filled with the background colour.
  void MakeBacking(QSize pixels, double ratio);

  QSize logical_;               // the view's size in logical pixels
  bool followsScreen_ = false;  // the backing image follows the screen's device pixel ratio
  QImage image_;
  jouk::Raster raster_;
};
