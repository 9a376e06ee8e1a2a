// The lift window: circulation Γ and lift coefficient Cl in large figures above a plot of −Cp
// against x/c for the upper and the lower surface. A top-level window of its own; it shows what
// it is given and computes nothing.
#pragma once

#include <QWidget>

#include "model/Aerodynamics.hpp"

class QLabel;
class PressurePlot;

class Form_Lift : public QWidget {
  Q_OBJECT

 public:
  // A top-level window without an owner, captioned "Lift and pressure", waiting for a result.
  explicit Form_Lift(QWidget* parent = nullptr);

  // Shows the figures and the pressure curves of a result; a failed result shows its reason.
  void ShowResult(const jouk::LiftAndPressure& result);
  // Clears the figures and the curves and says that START shows the data.
  void ShowNothingYet();

  // The text of a figure as shown: six significant digits, '.' as the decimal point.
  static QString FigureText(double value);

 private:
  QLabel* circulationValue_;
  QLabel* liftValue_;
  QLabel* note_;
  PressurePlot* plot_;
};
