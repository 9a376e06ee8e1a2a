// Small helpers for making the windows' widgets from their layout.
#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QRect>
#include <QString>
#include <QWidget>

#include "layout/WindowLayout.hpp"
#include "ui/AppIcon.hpp"
#include "ui/Twips.hpp"

// Gives a window its object name, its caption and the program's icon.
inline void NameWindow(QWidget& window, const char* name, const QString& caption) {
  window.setObjectName(QString::fromLatin1(name));
  window.setWindowTitle(caption);
  window.setWindowIcon(AppIcon());
}

// A text of a window's layout in the user's language: the layout marks its texts for the
// translators in the context of the window's name.
inline QString LayoutText(const char* window, const char* english) {
  return QCoreApplication::translate(window, english);
}

// Names a new control, places it and gives it an accessible name.
template <class Control>
Control* Place(Control* control, const char* name, const QRect& geometry,
               const QString& accessibleName = QString()) {
  control->setObjectName(QString::fromLatin1(name));
  control->setGeometry(geometry);
  if (!accessibleName.isEmpty()) control->setAccessibleName(accessibleName);
  return control;
}

// Names a new control and places it as the layout lays it out.
template <class Control>
Control* Place(Control* control, const jouk::ControlLayout& layout,
               const QString& accessibleName = QString()) {
  return Place(control, layout.name, TwipRect(layout.box), accessibleName);
}

// A new label named `name` showing `text` in `font`, aligned to its upper left corner.
inline QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text,
                          const QFont& font) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(font);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}
