// A parameter text box of the main window.
#pragma once

#include <QLineEdit>

class QFocusEvent;

// It shows the start of its text whenever it does not have the focus (a narrow box would
// otherwise show the end: ".004" for "0.004"), and it can carry a note: a tinted background and
// a tooltip saying how its text was read, and a mark of a text not applied yet, the first line
// of the same tooltip.
class ParameterTextBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit ParameterTextBox(const QString& text, QWidget* parent = nullptr);

  // Sets the text and, unless the user is editing the box, shows its start.
  void SetShownText(const QString& text);

  // Marks the box with a note (its tooltip), or clears the mark for an empty note.
  void SetNote(const QString& note);
  QString Note() const { return note_; }

  // Marks the box as holding a text no recompute has taken yet (the mark's text), or clears the
  // mark for an empty text.
  void SetPending(const QString& mark);
  QString Pending() const { return pending_; }

  // The background of a marked box: the box's own base colour turned towards amber, so that the
  // text stays readable on light and dark themes alike.
  static QColor MarkColor(const QColor& base);

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // The tint and the tooltip for the mark and the note.
  void ShowMarks();

  QString note_;
  QString pending_;
};
