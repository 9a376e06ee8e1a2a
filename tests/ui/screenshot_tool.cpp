// Makes the pictures of the running program for the documentation, on whatever platform it runs
// (the scripts choose offscreen, so no display is needed):
//   ui-screenshot main OUT.png   the main window after START and four animation ticks
//   ui-screenshot lift OUT.png   the same beside the lift window
//   ui-screenshot menu OUT.png   the same with the plot's context menu open over the plot
// The timer is stopped and the ticks given by hand, so every run makes the same picture.
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "ui/Form1.hpp"
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

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const bool known =
      argc == 3 && (std::strcmp(argv[1], "main") == 0 || std::strcmp(argv[1], "lift") == 0 ||
                    std::strcmp(argv[1], "menu") == 0);
  if (!known) {
    std::fprintf(stderr, "usage: %s main|lift|menu OUTPUT.png\n", argv[0]);
    return 2;
  }
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
  } else if (mode == QLatin1String("lift") && menu != nullptr) {
    for (QAction* action : menu->actions()) {
      if (action->objectName() == QLatin1String("Mn_Lift")) action->trigger();
    }
    QApplication::processEvents();
    QWidget* lift = TopLevelNamed("Form_Lift");
    if (lift != nullptr) {
      lift->resize(560, form.height());
      QApplication::processEvents();
      picture =
          SideBySide(picture, lift->grab().toImage(), 12, form.palette().color(QPalette::Window));
    }
  }
  if (menu != nullptr) menu->close();
  if (!picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
