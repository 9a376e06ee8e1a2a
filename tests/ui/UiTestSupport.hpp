// Helpers of the window tests, the exporter's picture tests and the tick benchmark: finding
// controls by name, starting the window with given texts, what the plot shows and the store
// behind it, the plot's pixel of a world point and the picture's colours.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "model/FlowPicture.hpp"
#include "model/Raster.hpp"
#include "model/Recompute.hpp"
#include "model/SectionLookup.hpp"
#include "tests/common/ParameterSets.hpp"
#include "ui/Form1.hpp"
#include "ui/PlotMenu.hpp"
#include "ui/PlotView.hpp"

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

// A main window whose messages (rejected parameter sets, failed saves) are collected instead of
// shown in a box.
struct CollectingWindow {
  Form1 form;
  QStringList messages;
  CollectingWindow() {
    form.SetMessageSink([this](const QString& message) { messages.append(message); });
  }
};

// The picture's colours, as the program defines them.
inline const QRgb kBackground = jouk::kPlotBackground;
inline const QRgb kContour = jouk::kContourColor;
inline const QRgb kStreamline = jouk::kStreamlineColor;

// Puts texts into the eight text boxes and presses START, then stops Timer1 so that the ticks
// are given by hand (Form1::Timer1_Timer).
inline void StartWithTexts(Form1& form, const jouk::ParameterTexts& texts) {
  form.SetTexts(texts);
  Child<QPushButton>(form, "Command_START")->click();
  Child<QTimer>(form, "Timer1")->stop();
}

// What the window's plot shows, as the window hands it to the plot's menu.
inline PlotSnapshot ShownOnPlot(const Form1& form) {
  return Child<PlotMenu>(form, "PlotMenu")->Snapshot();
}

// The window's store, as its plot's menu sees it.
inline const jouk::FlowState& Store(const Form1& form) {
  return *ShownOnPlot(form).flow;
}

using jouk::Pixel;

// The pixel of a picture of the given size (600 × 400 by default) that a world point falls in,
// for the world window the main window sets from Olcek, or nothing when the point lies outside.
inline std::optional<Pixel> PlotPixel(double olcek, double x, double y,
                                      QSize size = QSize(600, 400)) {
  const jouk::DeviceMap map(jouk::WorldWindowFor(olcek), size.width(), size.height());
  return jouk::PixelAt(map.ToDevice(x, y), size.width(), size.height());
}
