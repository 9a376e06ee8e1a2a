#include "ui/FieldView.hpp"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "model/FieldReadout.hpp"
#include "model/FlowPicture.hpp"
#include "ui/PlotView.hpp"

QSize FieldView::PictureSize() {
  return {PlotView::kImageWidth, PlotView::kImageHeight};
}

FieldView::FieldView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FieldView"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFixedSize(PictureSize());
  window_ = jouk::WorldWindowFor(1);
  Redraw();
}

void FieldView::Show(const jouk::FlowState* st, const jouk::FieldPictureSetup& setup, bool draft) {
  st_ = st;
  setup_ = setup;
  draft_ = draft;
  Redraw();
  update();
}

void FieldView::Redraw() {
  const double ratio = draft_ ? 1.0 : devicePixelRatioF();
  const QSize logical = PictureSize();
  image_ = QImage(static_cast<int>(std::lround(logical.width() * ratio)),
                  static_cast<int>(std::lround(logical.height() * ratio)), QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio);
  image_.fill(QColor(jouk::kPlotBackground));
  if (st_ == nullptr) return;
  jouk::Raster raster(reinterpret_cast<jouk::Rgb*>(image_.bits()), image_.width(), image_.height(),
                      image_.bytesPerLine() / static_cast<qsizetype>(sizeof(jouk::Rgb)),
                      jouk::kPlotBackground);
  jouk::MessageId reason{};
  if (jouk::DrawFieldPicture(raster, *st_, setup_, PlotView::PenWidthFor(ratio), reason)) {
    window_ = jouk::WorldWindowFor(st_->Olcek);
  }
}

void FieldView::SetMark(std::optional<jouk::Complex> world) {
  mark_ = world;
  update();
}

void FieldView::paintEvent(QPaintEvent* event) {
  if (!draft_ && devicePixelRatioF() != image_.devicePixelRatio()) Redraw();  // another screen
  QPainter painter(this);
  painter.setClipRegion(event->region());
  painter.drawImage(QPoint(0, 0), image_);
  if (!mark_) return;
  const jouk::DeviceMap map(window_, width(), height());
  const jouk::DevicePoint at = map.ToDevice(mark_->real(), mark_->imag());
  if (!std::isfinite(at.u) || !std::isfinite(at.v)) return;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(MarkColour(), jouk::kFieldWindow.markLine));
  painter.setBrush(Qt::NoBrush);
  const int r = jouk::kFieldWindow.markRadius;
  painter.drawEllipse(QPointF(at.u, at.v), r, r);
}

void FieldView::mouseMoveEvent(QMouseEvent* event) {
  const QSize size = PictureSize();
  const jouk::Complex Q = jouk::WorldAt(window_, event->position().x(), event->position().y(),
                                        size.width(), size.height());
  emit hovered(Q.real(), Q.imag());
  QWidget::mouseMoveEvent(event);
}

void FieldView::leaveEvent(QEvent* event) {
  emit left();
  QWidget::leaveEvent(event);
}
