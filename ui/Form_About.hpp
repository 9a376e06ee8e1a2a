// The About window: title, subtitle, credit line, date of the last update and contact address on
// a light-yellow ground, as layout/WindowLayout.hpp lays them out. It has no inputs and no
// actions of its own.
#pragma once

#include <QWidget>
#include <array>

class QLabel;

class Form_About : public QWidget {
  Q_OBJECT

 public:
  // A top-level window without an owner; closing it only hides it, so it can be shown again.
  explicit Form_About(QWidget* parent = nullptr);

 private:
  // Label1, Label2, Label7, Label8, Label4 and Label5, from top to bottom.
  std::array<QLabel*, 6> labels_{};
};
