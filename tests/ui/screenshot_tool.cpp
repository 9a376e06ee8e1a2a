// Makes the pictures of the running program for the documentation, on whatever platform it runs
// (the scripts choose offscreen, so no display is needed):
//   ui-screenshot main OUT.png   the main window after START and four animation ticks
//   ui-screenshot lift OUT.png   the same beside the lift window
//   ui-screenshot menu OUT.png   the same with the plot's context menu open over the plot
//   ui-screenshot field T OUT.png  the flow field window at the map's stage T (0 to 1) with the
//                                  pressure colours, the pointer's readout at a point of the flow
// The timer is stopped and the ticks given by hand, so every run makes the same picture.
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ui/FieldView.hpp"
#include "ui/Form1.hpp"
#include "ui/Form_Field.hpp"
#include "ui/PlotView.hpp"

namespace {

// The pictures side by side on the window colour, a gap of `gap` logical pixels between them.
QImage SideBySide(const QImage& left, const QImage& right, int gap, const QColor& ground) {
  const qreal ratio = left.devicePixelRatio();
  const int g = static_cast<int>(gap * ratio);
  QImage joined(left.width() + g + right.width(), std::max(left.height(), right.height()),
                QImage::Format_RGB32);
  joined.fill(ground);
  QPainter painter(&joined);
  painter.drawImage(0, 0, left);
  painter.drawImage(left.width() + g, 0, right);
  return joined;
}

QWidget* TopLevelNamed(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == QLatin1String(name) && w->isVisible()) return w;
  }
  return nullptr;
}

// The flow field window at stage t with the pressure colours, the pointer resting at a point of
// the flow so that the readout and the mark show.
QImage FieldWindow(QWidget& window, double t) {
  window.findChild<QCheckBox*>(QStringLiteral("Check_Cp"))->setChecked(true);
  window.findChild<QSlider*>(QStringLiteral("Slider_Map"))
      ->setValue(static_cast<int>(t * Form_Field::kStageSteps + 0.5));
  auto* view = window.findChild<FieldView*>(QStringLiteral("FieldView"));
  const QPointF at(470, 110);
  QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(view, &move);
  QApplication::processEvents();
  return window.grab().toImage();
}

// The lift window beside the main window's picture, or the flow field window alone at stage t,
// opened from the plot's menu.
QImage Companion(const Form1& form, const QMenu& menu, bool field, double t, QImage picture) {
  const QLatin1String item(field ? "Mn_Field" : "Mn_Lift");
  for (QAction* action : menu.actions()) {
    if (action->objectName() == item) action->trigger();
  }
  QApplication::processEvents();
  QWidget* window = TopLevelNamed(field ? "Form_Field" : "Form_Lift");
  if (window == nullptr) return picture;
  if (field) return FieldWindow(*window, t);
  window->resize(560, form.height());
  QApplication::processEvents();
  return SideBySide(picture, window->grab().toImage(), 12, form.palette().color(QPalette::Window));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const bool field = argc == 4 && std::strcmp(argv[1], "field") == 0;
  const bool known = field || (argc == 3 && (std::strcmp(argv[1], "main") == 0 ||
                                             std::strcmp(argv[1], "lift") == 0 ||
                                             std::strcmp(argv[1], "menu") == 0));
  const double t = field ? std::atof(argv[2]) : 1;
  if (!known || !(t >= 0 && t <= 1)) {
    std::fprintf(stderr, "usage: %s main|lift|menu OUTPUT.png, or %s field T OUTPUT.png\n", argv[0],
                 argv[0]);
    return 2;
  }
  const char* output = argv[argc - 1];
  const QString mode = QString::fromLatin1(argv[1]);
  Form1 form;
  form.show();
  form.findChild<QPushButton*>(QStringLiteral("Command_START"))->click();
  form.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
  for (int tick = 0; tick < 4; ++tick) form.Timer1_Timer();
  QApplication::processEvents();

  QImage picture = form.grab().toImage();
  PlotView* plot = form.findChild<PlotView*>(QStringLiteral("Picture3"));
  const QPoint at(420, 130);  // over the plot, right of the section
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, plot->mapToGlobal(at));
  QApplication::sendEvent(plot, &event);
  QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (mode == QLatin1String("menu") && menu != nullptr) {
    QApplication::processEvents();
    QPainter painter(&picture);
    const QPoint inWindow = plot->mapTo(&form, at);
    painter.drawImage(inWindow, menu->grab().toImage());
  } else if ((mode == QLatin1String("lift") || field) && menu != nullptr) {
    picture = Companion(form, *menu, field, t, picture);
  }
  if (menu != nullptr) menu->close();
  if (!picture.save(QString::fromLocal8Bit(output), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", output);
    return 1;
  }
  return 0;
}
