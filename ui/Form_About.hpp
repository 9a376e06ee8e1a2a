// The About window: title, subtitle, credit line, date of the last update and contact address on
// a light-yellow ground. It has no inputs and no actions of its own.
#pragma once

#include <QWidget>

class QLabel;

class Form_About : public QWidget {
  Q_OBJECT

 public:
  // A top-level window without an owner; closing it only hides it, so it can be shown again.
  explicit Form_About(QWidget* parent = nullptr);

 private:
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label7;
  QLabel* Label8;
  QLabel* Label4;
  QLabel* Label5;
};
