#include "ui/PressurePlot.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "layout/WindowLayout.hpp"
#include "ui/Widgets.hpp"

namespace {

// A step of 1, 2 or 5 times a power of ten, near raw.
double NiceStep(double raw) {
  if (!(raw > 0) || !std::isfinite(raw)) return 1;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  const double m = raw / power;
  return (m < 1.5 ? 1 : m < 3.5 ? 2 : m < 7.5 ? 5 : 10) * power;
}

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

// The range runs from the lowest −Cp to the highest, except that a suction peak at a sharp edge
// (many times what the rest of the surface shows) is cut at three times the highest −Cp between
// 5 % and 95 % of the chord, so that the rest of the curves stays readable.
void PressurePlot::FitRange() {
  double low = -1;
  double high = 1;
  double middle = -HUGE_VAL;
  peak_ = -HUGE_VAL;
  for (const QVector<QPointF>* curve : {&upper_, &lower_}) {
    for (const QPointF& p : *curve) {
      if (!std::isfinite(p.y())) continue;
      low = std::min(low, p.y());
      peak_ = std::max(peak_, p.y());
      if (p.x() >= 0.05 && p.x() <= 0.95) middle = std::max(middle, p.y());
    }
  }
  high = std::max(high, peak_);
  const double limit = std::isfinite(middle) ? std::max(3 * middle, middle + 2) : HUGE_VAL;
  peakCut_ = high > limit;
  if (peakCut_) high = limit;
  const double step = NiceStep((high - low) / 6);
  bottom_ = std::floor(low / step) * step;
  top_ = std::ceil(high / step) * step;
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
  const Axes axes{text, grid, axis, fm, line, plot, bottom_, top_, NiceStep((top_ - bottom_) / 6)};

  PaintGrid(painter, axes);
  PaintAxisTitles(painter, axes);
  PaintCurves(painter, axes);
  if (upper_.isEmpty() && lower_.isEmpty()) return;
  PaintLegend(painter, axes);
  if (peakCut_) {
    painter.setPen(text);
    painter.drawText(QRectF(plot.left() + 6, plot.top() + 4, plot.width() / 2, line),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     tr("Peak −Cp %1 lies above the plot").arg(QString::number(peak_, 'g', 4)));
  }
}

// Grid and tick labels: x/c every 0.1, labelled every 0.2; −Cp at the nice step, the zero line
// darker; then the frame around the plot.
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
  const int ticks = static_cast<int>(std::lround((a.top - a.bottom) / a.step));
  for (int i = 0; i <= ticks && i <= 50; ++i) {
    const double v = a.bottom + i * a.step;
    painter.setPen(QPen(std::fabs(v) < a.step * 1e-6 ? a.axis : a.grid, 1));
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
