#include "ParameterScrollBar.hpp"

#include <QKeyEvent>

ParameterScrollBar::ParameterScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
  // Only completed changes count: a dragged thumb reports once, on release.
  setTracking(false);
  setFocusPolicy(Qt::StrongFocus);
}

void ParameterScrollBar::keyPressEvent(QKeyEvent* event) {
  static constexpr struct {
    int key;
    SliderAction action;
  } kKeys[] = {{Qt::Key_Left, SliderSingleStepSub},  {Qt::Key_Up, SliderSingleStepSub},
               {Qt::Key_Right, SliderSingleStepAdd}, {Qt::Key_Down, SliderSingleStepAdd},
               {Qt::Key_PageUp, SliderPageStepSub},  {Qt::Key_PageDown, SliderPageStepAdd},
               {Qt::Key_Home, SliderToMinimum},      {Qt::Key_End, SliderToMaximum}};
  for (const auto& k : kKeys) {
    if (event->key() == k.key) {
      triggerAction(k.action);
      event->accept();
      return;
    }
  }
  QScrollBar::keyPressEvent(event);
}
