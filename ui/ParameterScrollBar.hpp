// A parameter scroll bar of the main window.
#pragma once

#include <QScrollBar>

class QKeyEvent;
class QPaintEvent;
class QWheelEvent;

// Its keys step as those of a desktop scroll bar do: left and up one arrow step down, right and
// down one arrow step up, Page Up and Page Down a page step, Home and End to the ends. A notch of
// the mouse wheel is one arrow step, a completed change like any other. It has no context menu of
// its own (each of its entries would recompute), and it shows a focus mark while it has the
// focus. A rejected parameter set ends the auto-repeat of a held arrow, so that the bar does not
// go on stepping behind the warning box.
class ParameterScrollBar : public QScrollBar {
  Q_OBJECT

 public:
  explicit ParameterScrollBar(QWidget* parent = nullptr);

  // Ends the auto-repeat of a held arrow or track click.
  void EndRepeat() { setRepeatAction(QAbstractSlider::SliderNoAction); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int wheelRest_ = 0;  // wheel turn not yet a whole notch, in eighths of a degree
};
