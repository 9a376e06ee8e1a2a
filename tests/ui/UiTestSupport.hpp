// Helpers of the window tests: finding controls by name, starting the window with given texts and
// the plot's world-to-pixel rule.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "Form1.hpp"
#include "ParameterSets.hpp"
#include "Recompute.hpp"

// The child of parent named name; a missing control ends the test program.
template <class T>
T* Child(const QObject& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) qFatal("no control named %s", name);
  return child;
}

// The visible top-level window named name, if there is one; the count of such windows goes to
// count.
inline QWidget* TopLevel(const char* name, int* count = nullptr) {
  QWidget* found = nullptr;
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == QLatin1String(name) && w->isVisible()) {
      found = w;
      ++n;
    }
  }
  if (count != nullptr) *count = n;
  return found;
}

using jouk::testing::HeavyTexts;

// Puts texts into the eight text boxes and presses START, then stops Timer1 so that the test
// gives the ticks by hand.
inline void StartWithTexts(Form1& form, const jouk::ParameterTexts& texts) {
  const auto set = [&](const char* name, const std::string& text) {
    Child<QLineEdit>(form, name)->setText(QString::fromStdString(text));
  };
  set("Text_DELTA", texts.Delta);
  set("Text_GAMA", texts.Gama);
  set("Text_Alfa", texts.Alfa);
  set("Text_iKutta", texts.iKutta);
  set("Text_Olcek", texts.Olcek);
  set("Text_dPsi", texts.dPsi);
  set("Text_kMax", texts.kMax);
  set("Text_dR", texts.dR);
  Child<QPushButton>(form, "Command_START")->click();
  Child<QTimer>(form, "Timer1")->stop();
}

struct Pixel {
  int column, row;
};

// The pixel of the 600 × 400 plot that a world point falls in, for the world window the main
// window sets from Olcek, or nothing when the point lies outside: u = (x − x1)·W/(x2 − x1),
// pixel floor(u), the edges x = x2 and y = y2 belonging to the last column and row.
inline std::optional<Pixel> PlotPixel(double olcek, double x, double y) {
  const float fx = static_cast<float>(x);
  const float fy = static_cast<float>(y);
  const double x1 = -olcek, y1 = (2.0 / 3.0) * olcek, x2 = olcek, y2 = (-2.0 / 3.0) * olcek;
  const double u = (static_cast<double>(fx) - x1) * (600 / (x2 - x1));
  const double v = (static_cast<double>(fy) - y1) * (400 / (y2 - y1));
  if (!(u >= 0 && u <= 600 && v >= 0 && v <= 400)) return std::nullopt;
  return Pixel{std::min(static_cast<int>(std::floor(u)), 599),
               std::min(static_cast<int>(std::floor(v)), 399)};
}
