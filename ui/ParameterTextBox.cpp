#include "ui/ParameterTextBox.hpp"

#include <QFocusEvent>

#include "layout/WindowLayout.hpp"

ParameterTextBox::ParameterTextBox(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
  setCursorPosition(0);
}

void ParameterTextBox::SetShownText(const QString& text) {
  setText(text);
  if (!hasFocus()) setCursorPosition(0);
}

QColor ParameterTextBox::MarkColor(const QColor& base) {
  const jouk::Colour c = jouk::NoteGround({base.red(), base.green(), base.blue()});
  return QColor(c.red, c.green, c.blue);
}

void ParameterTextBox::SetNote(const QString& note) {
  if (note == note_) return;
  note_ = note;
  setToolTip(note);
  if (note.isEmpty()) {
    setPalette(QPalette());  // the inherited palette again
    return;
  }
  QPalette marked = parentWidget() != nullptr ? parentWidget()->palette() : palette();
  marked.setColor(QPalette::Base, MarkColor(marked.color(QPalette::Base)));
  setPalette(marked);
}

void ParameterTextBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  deselect();
  setCursorPosition(0);
}
