#include "ui/ParameterScrollBar.hpp"

#include <cstdlib>

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

ParameterScrollBar::ParameterScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
  // Only completed changes count: a dragged thumb reports once, on release.
  setTracking(false);
  setFocusPolicy(Qt::StrongFocus);
  setContextMenuPolicy(Qt::NoContextMenu);
}

void ParameterScrollBar::wheelEvent(QWheelEvent* event) {
  // One notch (120 eighths of a degree) is one arrow step; turning up or left steps down, as a
  // desktop scroll bar does. Finer wheels add up to a notch first.
  constexpr int kNotch = 120;
  const QPoint delta = event->angleDelta();
  wheelRest_ += std::abs(delta.y()) >= std::abs(delta.x()) ? delta.y() : delta.x();
  while (wheelRest_ >= kNotch || wheelRest_ <= -kNotch) {
    const bool up = wheelRest_ > 0;
    wheelRest_ += up ? -kNotch : kNotch;
    triggerAction(up ? SliderSingleStepSub : SliderSingleStepAdd);
  }
  event->accept();
}

void ParameterScrollBar::paintEvent(QPaintEvent* event) {
  QScrollBar::paintEvent(event);
  if (!hasFocus()) return;
  // The focus mark: a frame in the highlight colour around the whole bar.
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
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
