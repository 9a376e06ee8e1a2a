#include "ui/PlotView.hpp"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

PlotView::PlotView(QWidget* parent) : PlotView(QSize(kImageWidth, kImageHeight), parent) {
  followsScreen_ = true;
  const double ratio = devicePixelRatioF();
  if (ratio != 1) {
    MakeBacking(QSize(jouk::DevicePixelsFor(kImageWidth, ratio),
                      jouk::DevicePixelsFor(kImageHeight, ratio)),
                ratio);
  }
}

PlotView::PlotView(QSize imageSize, QWidget* parent)
    : QWidget(parent),
      logical_(std::max(imageSize.width(), 1), std::max(imageSize.height(), 1)),
      // Until the first start the picture shows the toolkit's own background.
      raster_(nullptr, 0, 0, 0, palette().color(backgroundRole()).rgb()) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  MakeBacking(logical_, 1.0);
}

void PlotView::MakeBacking(QSize pixels, double ratio) {
  image_ = QImage(pixels, QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio);
  raster_ = jouk::Raster(
      reinterpret_cast<jouk::Rgb*>(image_.bits()), image_.width(), image_.height(),
      image_.bytesPerLine() / static_cast<qsizetype>(sizeof(jouk::Rgb)), raster_.BackColor());
  raster_.SetPenWidth(PenWidthFor(ratio));
  raster_.Cls();
}

int PlotView::PenWidthFor(double ratio) {
  return jouk::PenWidthForRatio(ratio);
}

QSize PlotView::sizeHint() const {
  return logical_;
}

jouk::Raster& PlotView::Canvas() {
  // A copy of the image handed out earlier shares its pixels until one of them is written:
  // bits() makes this one the view's own again.
  raster_.Rebind(reinterpret_cast<jouk::Rgb*>(image_.bits()));
  return raster_;
}

QColor PlotView::BackColor() const {
  return QColor(raster_.BackColor());
}

void PlotView::Cls() {
  Canvas().Cls();
  update();
}

void PlotView::paintEvent(QPaintEvent* event) {
  const double ratio = devicePixelRatioF();
  if (followsScreen_ && ratio != image_.devicePixelRatio()) {
    MakeBacking(QSize(jouk::DevicePixelsFor(kImageWidth, ratio),
                      jouk::DevicePixelsFor(kImageHeight, ratio)),
                ratio);
    emit pictureRenewed();
  }
  QPainter painter(this);
  painter.setClipRegion(event->region());
  painter.drawImage(QPoint(0, 0), image_);
  // Beyond the picture (should the widget be larger) show the background colour.
  const QRegion outside = event->region().subtracted(QRect(QPoint(0, 0), logical_));
  for (const QRect& part : outside) painter.fillRect(part, QColor(raster_.BackColor()));
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
}

void PlotView::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void PlotView::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}
