// The plot area of the main window: it shows a raster (the picture's pixels and drawing
// operations in world coordinates, with the pixel rules written out beside it) held in a backing
// image; its owner draws through Canvas().
//
// On a screen of high pixel density the backing image has the screen's device pixels (600 × 400
// logical pixels times the device pixel ratio) in the same world window, so the plot is as sharp
// as the text, and the pen is as many device pixels wide as the ratio rounded (one at a ratio
// of 1, two at 1.5 and at 2): the lines keep the thickness they have at 1×.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include "layout/WindowLayout.hpp"
#include "model/Raster.hpp"

class QFocusEvent;
class QPaintEvent;

class PlotView : public QWidget {
  Q_OBJECT

 public:
  // The plot's size as the main window lays it out: 600 × 400 logical pixels.
  static constexpr int kImageWidth = jouk::TwipsToPixels(jouk::kMainWindow.plot.control.box.width);
  static constexpr int kImageHeight =
      jouk::TwipsToPixels(jouk::kMainWindow.plot.control.box.height);

  // A 600 × 400 plot view whose backing image follows the device pixel ratio of its screen.
  explicit PlotView(QWidget* parent = nullptr);
  // A plot view whose backing image has the given size in pixels instead (each side at least
  // one pixel), whatever the screen. The world window then maps onto that image by the same rule.
  explicit PlotView(QSize imageSize, QWidget* parent = nullptr);

  QSize sizeHint() const override;

  // The pen's width in device pixels for a device pixel ratio: the ratio rounded, at least 1.
  static int PenWidthFor(double ratio);

  // The background colour the picture is cleared to.
  QColor BackColor() const;

  // Fills the picture with the background colour.
  void Cls();

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
