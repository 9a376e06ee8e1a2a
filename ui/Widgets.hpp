// Small helpers for making the windows' widgets.
#pragma once

#include <QLabel>
#include <QWidget>

#include <QRect>
#include <QString>
#include "ui/AppIcon.hpp"

// Gives a window its object name, its caption and the program's icon.
inline void NameWindow(QWidget& window, const char* name, const QString& caption) {
  window.setObjectName(QString::fromLatin1(name));
  window.setWindowTitle(caption);
  window.setWindowIcon(AppIcon());
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

// A new label named `name` showing `text` in `font`, aligned to its upper left corner.
inline QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text,
                          const QFont& font) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(font);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}
