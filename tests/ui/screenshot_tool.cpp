// Makes the picture of the running main window for the documentation: START, a few animation
// ticks, then a grab of the window (menu bar and client area) into the PNG file named by the
// argument.
#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "Form1.hpp"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  Form1 form;
  form.show();
  form.findChild<QPushButton*>(QStringLiteral("Command_START"))->click();
  // The timer is stopped and the ticks given by hand, so every run makes the same picture.
  form.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
  for (int tick = 0; tick < 4; ++tick) form.Timer1_Timer();
  QApplication::processEvents();
  if (!form.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
