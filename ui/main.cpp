// Joukowsky Streamlines: the main window opens at start-up; the program ends when its last
// window closes.
#include <QApplication>

#include "Form1.hpp"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  Form1 form;
  form.show();
  return app.exec();
}
