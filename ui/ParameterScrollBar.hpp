// A parameter scroll bar of the main window.
#pragma once

#include <QScrollBar>

class QKeyEvent;

// Its keys step as those of a desktop scroll bar do: left and up one arrow step down, right and
// down one arrow step up, Page Up and Page Down a page step, Home and End to the ends. A rejected
// parameter set ends the auto-repeat of a held arrow, so that the bar does not go on stepping
// behind the warning box.
class ParameterScrollBar : public QScrollBar {
  Q_OBJECT

 public:
  explicit ParameterScrollBar(QWidget* parent = nullptr);

  // Ends the auto-repeat of a held arrow or track click.
  void EndRepeat() { setRepeatAction(QAbstractSlider::SliderNoAction); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
