#include "ui/PressurePlot.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

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

void PressurePlot::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPalette& pal = palette();
  const QColor text = pal.color(QPalette::Text);
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
  const auto X = [&](double u) { return plot.left() + u * plot.width(); };
  const auto Y = [&](double v) {
    return plot.top() + (top_ - v) / (top_ - bottom_) * plot.height();
  };

  // Grid and tick labels: x/c every 0.1, labelled every 0.2; −Cp at the nice step.
  painter.setFont(font());
  for (int i = 0; i <= 10; ++i) {
    const double u = i / 10.0;
    painter.setPen(QPen(grid, 1));
    painter.drawLine(QPointF(X(u), plot.top()), QPointF(X(u), plot.bottom()));
    if (i % 2 == 0) {
      painter.setPen(text);
      const QString label = TickText(u, 0.1);
      painter.drawText(QRectF(X(u) - 30, plot.bottom() + 3, 60, line), Qt::AlignHCenter, label);
    }
  }
  const double step = NiceStep((top_ - bottom_) / 6);
  const int ticks = static_cast<int>(std::lround((top_ - bottom_) / step));
  for (int i = 0; i <= ticks && i <= 50; ++i) {
    const double v = bottom_ + i * step;
    painter.setPen(QPen(std::fabs(v) < step * 1e-6 ? axis : grid, 1));
    painter.drawLine(QPointF(plot.left(), Y(v)), QPointF(plot.right(), Y(v)));
    painter.setPen(text);
    painter.drawText(QRectF(0, Y(v) - line / 2, plot.left() - 5, line),
                     Qt::AlignRight | Qt::AlignVCenter, TickText(v, step));
  }
  painter.setPen(QPen(axis, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(plot);

  // Axis titles.
  painter.setPen(text);
  painter.drawText(QRectF(plot.left(), plot.bottom() + line + 6, plot.width(), line),
                   Qt::AlignHCenter, tr("x/c along the chord: leading edge 0, trailing edge 1"));
  painter.save();
  painter.translate(4, plot.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), line), Qt::AlignHCenter, tr("−Cp"));
  painter.restore();

  // The curves, clipped to the plot.
  painter.save();
  painter.setClipRect(plot);
  for (const auto& [curve, colour] :
       {std::pair{&upper_, UpperColour()}, std::pair{&lower_, LowerColour()}}) {
    QPolygonF polyline;
    polyline.reserve(curve->size());
    for (const QPointF& p : *curve) {
      if (!std::isfinite(p.x()) || !std::isfinite(p.y())) continue;
      polyline.append(
          QPointF(X(p.x()), Y(std::clamp(p.y(), bottom_ - 1e3 * step, top_ + 1e3 * step))));
    }
    // Bevel joins: the raster engine's round joins leave a darker dot where a nearly straight
    // curve turns by a hair.
    painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin));
    painter.drawPolyline(polyline);
  }
  painter.restore();

  if (upper_.isEmpty() && lower_.isEmpty()) return;

  // Legend in the upper right corner, on the plot's own ground.
  const QString names[] = {tr("Upper surface"), tr("Lower surface")};
  const QColor colours[] = {UpperColour(), LowerColour()};
  const double swatch = 2 * line;
  const double textWidth = std::max(fm.horizontalAdvance(names[0]), fm.horizontalAdvance(names[1]));
  const QRectF box(plot.right() - swatch - textWidth - 22, plot.top() + 8, swatch + textWidth + 14,
                   2 * line + 8);
  painter.setPen(QPen(axis, 1));
  painter.setBrush(pal.color(QPalette::Base));
  painter.drawRect(box);
  for (int i = 0; i < 2; ++i) {
    const double y = box.top() + 4 + (i + 0.5) * line;
    painter.setPen(QPen(colours[i], 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(box.left() + 5, y), QPointF(box.left() + 5 + swatch, y));
    painter.setPen(text);
    painter.drawText(QRectF(box.left() + 9 + swatch, y - line / 2, textWidth + 4, line),
                     Qt::AlignLeft | Qt::AlignVCenter, names[i]);
  }

  if (peakCut_) {
    painter.setPen(text);
    painter.drawText(QRectF(plot.left() + 6, plot.top() + 4, plot.width() / 2, line),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     tr("Peak −Cp %1 lies above the plot").arg(QString::number(peak_, 'g', 4)));
  }
}
