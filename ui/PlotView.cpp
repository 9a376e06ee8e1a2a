#include "PlotView.hpp"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace {

QImage BackingImage(QSize size) {
  return QImage(std::max(size.width(), 1), std::max(size.height(), 1), QImage::Format_RGB32);
}

}  // namespace

PlotView::PlotView(QWidget* parent) : PlotView(QSize(kImageWidth, kImageHeight), parent) {}

PlotView::PlotView(QSize imageSize, QWidget* parent)
    : QWidget(parent),
      image_(BackingImage(imageSize)),
      raster_(reinterpret_cast<jouk::Rgb*>(image_.bits()), image_.width(), image_.height(),
              image_.bytesPerLine() / static_cast<qsizetype>(sizeof(jouk::Rgb)),
              // Until the first start the picture shows the toolkit's own background.
              palette().color(backgroundRole()).rgb()) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  raster_.Cls();
}

QSize PlotView::sizeHint() const {
  return image_.size();
}

jouk::Raster& PlotView::Canvas() {
  // A copy of the image handed out earlier shares its pixels until one of them is written:
  // bits() makes this one the view's own again.
  raster_.Rebind(reinterpret_cast<jouk::Rgb*>(image_.bits()));
  return raster_;
}

void PlotView::SetBackColor(const QColor& color) {
  Canvas().SetBackColor(color.rgb());
  update();
}

QColor PlotView::BackColor() const {
  return QColor(raster_.BackColor());
}

void PlotView::Scale(double x1, double y1, double x2, double y2) {
  raster_.Scale(x1, y1, x2, y2);
}

void PlotView::Cls() {
  Canvas().Cls();
  update();
}

void PlotView::Line(float x1, float y1, float x2, float y2, QRgb color) {
  Canvas().Line(x1, y1, x2, y2, color);
}

void PlotView::Polyline(const double* x, const double* y, int count, QRgb color) {
  Canvas().Polyline(x, y, count, color);
}

void PlotView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  painter.drawImage(area.topLeft(), image_, area);
  // Beyond the picture (should the widget be larger) show the background colour.
  const QRegion outside = QRegion(area).subtracted(QRect(QPoint(0, 0), image_.size()));
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
