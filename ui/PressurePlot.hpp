// The pressure plot of the lift window: −Cp against x/c for the upper and the lower surface,
// with a grid, labelled axes and a legend, drawn with QPainter in logical coordinates so that
// it stays sharp at any device pixel ratio.
#pragma once

#include <QColor>
#include <QPointF>
#include <QVector>
#include <QWidget>

class QPainter;

class PressurePlot : public QWidget {
  Q_OBJECT

 public:
  explicit PressurePlot(QWidget* parent = nullptr);

  // Shows the two curves, each a list of (x/c, −Cp) points in surface order.
  void SetCurves(QVector<QPointF> upper, QVector<QPointF> lower);
  // Shows the empty axes.
  void Clear();

  // Colour of the upper- and the lower-surface curve: Okabe–Ito vermillion and blue, readable on
  // light and dark palettes alike and told apart with colour-vision deficiencies.
  static QColor UpperColour() { return QColor(213, 94, 0); }
  static QColor LowerColour() { return QColor(0, 114, 178); }

  // The −Cp range shown, bottom and top; the top may cut off a sharp edge's suction peak.
  double Bottom() const { return bottom_; }
  double Top() const { return top_; }
  // True when some point lies above the top of the plot.
  bool PeakCut() const { return peakCut_; }

  QSize sizeHint() const override { return {560, 360}; }
  QSize minimumSizeHint() const override { return {320, 220}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Axes;

  void FitRange();
  // The parts of the picture, in the order they are painted over one another.
  void PaintGrid(QPainter& painter, const Axes& axes) const;
  void PaintAxisTitles(QPainter& painter, const Axes& axes) const;
  void PaintCurves(QPainter& painter, const Axes& axes) const;
  void PaintLegend(QPainter& painter, const Axes& axes) const;

  QVector<QPointF> upper_, lower_;
  double bottom_ = -1;
  double top_ = 1;
  double step_ = 0.5;
  double peak_ = 0;
  bool peakCut_ = false;
};
