#include "ui/PressurePlot.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "layout/WindowLayout.hpp"
#include "model/AxisTicks.hpp"
#include "model/PressureAxis.hpp"
#include "ui/Widgets.hpp"

namespace {

// Tick text without trailing noise: 0.30000000000000004 shows as 0.3.
QString TickText(double v, double step) {
  if (std::fabs(v) < step * 1e-9) v = 0;
  return QString::number(v, 'g', 6);
}

}  // namespace

PressurePlot::PressurePlot(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PressurePlot"));
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PressurePlot::SetCurves(QVector<QPointF> upper, QVector<QPointF> lower) {
  upper_ = std::move(upper);
  lower_ = std::move(lower);
  FitRange();
  update();
}

void PressurePlot::Clear() {
  upper_.clear();
  lower_.clear();
  FitRange();
  update();
}

// The axis is the model's, for the window and the page alike.
void PressurePlot::FitRange() {
  jouk::PressureCurves curves;
  for (const auto& [from, to] : {std::pair{&upper_, &curves.upper}, {&lower_, &curves.lower}}) {
    for (const QPointF& p : *from) to->push_back({p.x(), p.y()});
  }
  const jouk::PressureAxis axis = jouk::PressureAxisOf(curves);
  bottom_ = axis.bottom;
  top_ = axis.top;
  step_ = axis.step;
  peak_ = axis.peak;
  peakCut_ = axis.peakCut;
}

// Where the plot stands in the widget and how it maps x/c and −Cp there, with the colours and
// the font's line height of one painting.
struct PressurePlot::Axes {
  QColor text, grid, axis;
  QFontMetricsF fm;
  double line;  // the font's line height
  QRectF plot;  // the plotting area inside the axes' labels
  double bottom, top, step;

  double X(double u) const { return plot.left() + u * plot.width(); }
  double Y(double v) const { return plot.top() + (top - v) / (top - bottom) * plot.height(); }
};

void PressurePlot::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor text = palette().color(QPalette::Text);
  QColor grid = text;
  grid.setAlphaF(0.18);
  QColor axis = text;
  axis.setAlphaF(0.55);
  const QFontMetricsF fm(font());
  const double line = fm.height();
  // Room on the left for the rotated title and the tick labels, below for labels and title.
  const double left = 4 + line + fm.horizontalAdvance(QStringLiteral("-0000.0")) + 6;
  const QRectF plot(left, line, width() - left - 16, height() - 3 * line - 14);
  if (plot.width() < 20 || plot.height() < 20) return;
  const Axes axes{text, grid, axis, fm, line, plot, bottom_, top_, step_};

  PaintGrid(painter, axes);
  PaintAxisTitles(painter, axes);
  PaintCurves(painter, axes);
  if (upper_.isEmpty() && lower_.isEmpty()) return;
  PaintLegend(painter, axes);
  if (peakCut_) {
    painter.setPen(text);
    painter.drawText(QRectF(plot.left() + 6, plot.top() + 4, plot.width() / 2, line),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     LayoutText(jouk::kLiftWindow.plotContext, jouk::kLiftWindow.peakNote)
                         .arg(QString::number(peak_, 'g', 4)));
  }
}

// Grid and tick labels: x/c every 0.1, labelled every 0.2; −Cp at the multiples of the nice
// step, so that 0 is among them, the zero line darker; then the frame around the plot.
void PressurePlot::PaintGrid(QPainter& painter, const Axes& a) const {
  painter.setFont(font());
  for (int i = 0; i <= 10; ++i) {
    const double u = i / 10.0;
    painter.setPen(QPen(a.grid, 1));
    painter.drawLine(QPointF(a.X(u), a.plot.top()), QPointF(a.X(u), a.plot.bottom()));
    if (i % 2 == 0) {
      painter.setPen(a.text);
      const QString label = TickText(u, 0.1);
      painter.drawText(QRectF(a.X(u) - 30, a.plot.bottom() + 3, 60, a.line), Qt::AlignHCenter,
                       label);
    }
  }
  for (const double v : jouk::AxisTicks(a.bottom, a.top, a.step)) {
    painter.setPen(QPen(v == 0 ? a.axis : a.grid, 1));
    painter.drawLine(QPointF(a.plot.left(), a.Y(v)), QPointF(a.plot.right(), a.Y(v)));
    painter.setPen(a.text);
    painter.drawText(QRectF(0, a.Y(v) - a.line / 2, a.plot.left() - 5, a.line),
                     Qt::AlignRight | Qt::AlignVCenter, TickText(v, a.step));
  }
  painter.setPen(QPen(a.axis, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(a.plot);
}

void PressurePlot::PaintAxisTitles(QPainter& painter, const Axes& a) const {
  painter.setPen(a.text);
  painter.drawText(QRectF(a.plot.left(), a.plot.bottom() + a.line + 6, a.plot.width(), a.line),
                   Qt::AlignHCenter,
                   LayoutText(jouk::kLiftWindow.plotContext, jouk::kLiftWindow.chordAxis));
  painter.save();
  painter.translate(4, a.plot.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-a.plot.height() / 2, 0, a.plot.height(), a.line), Qt::AlignHCenter,
                   LayoutText(jouk::kLiftWindow.plotContext, jouk::kLiftWindow.pressureAxis));
  painter.restore();
}

// The curves, clipped to the plot.
void PressurePlot::PaintCurves(QPainter& painter, const Axes& a) const {
  painter.save();
  painter.setClipRect(a.plot);
  for (const auto& [curve, colour] :
       {std::pair{&upper_, UpperColour()}, std::pair{&lower_, LowerColour()}}) {
    QPolygonF polyline;
    polyline.reserve(curve->size());
    for (const QPointF& p : *curve) {
      if (!std::isfinite(p.x()) || !std::isfinite(p.y())) continue;
      polyline.append(QPointF(
          a.X(p.x()), a.Y(std::clamp(p.y(), a.bottom - 1e3 * a.step, a.top + 1e3 * a.step))));
    }
    // Bevel joins: the raster engine's round joins leave a darker dot where a nearly straight
    // curve turns by a hair.
    painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin));
    painter.drawPolyline(polyline);
  }
  painter.restore();
}

// The legend in the upper right corner, on the plot's own ground.
void PressurePlot::PaintLegend(QPainter& painter, const Axes& a) const {
  const jouk::LiftWindowLayout& w = jouk::kLiftWindow;
  const QString names[] = {LayoutText(w.plotContext, w.upperSurface),
                           LayoutText(w.plotContext, w.lowerSurface)};
  const QColor colours[] = {UpperColour(), LowerColour()};
  const double swatch = 2 * a.line;
  const double textWidth =
      std::max(a.fm.horizontalAdvance(names[0]), a.fm.horizontalAdvance(names[1]));
  const QRectF box(a.plot.right() - swatch - textWidth - 22, a.plot.top() + 8,
                   swatch + textWidth + 14, 2 * a.line + 8);
  painter.setPen(QPen(a.axis, 1));
  painter.setBrush(palette().color(QPalette::Base));
  painter.drawRect(box);
  for (int i = 0; i < 2; ++i) {
    const double y = box.top() + 4 + (i + 0.5) * a.line;
    painter.setPen(QPen(colours[i], 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(box.left() + 5, y), QPointF(box.left() + 5 + swatch, y));
    painter.setPen(a.text);
    painter.drawText(QRectF(box.left() + 9 + swatch, y - a.line / 2, textWidth + 4, a.line),
                     Qt::AlignLeft | Qt::AlignVCenter, names[i]);
  }
}
