#include "ui/LabelFit.hpp"

#include <QFontMetrics>
#include <QLabel>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <climits>

namespace {

// The widest piece of the text that a line cannot break inside, as the font sets it: the text
// between two break opportunities of the Unicode line-breaking rules (after a blank, after a
// hyphen as in "Kutta-Faktor"), without the blanks at its end.
int WidestUnbreakable(const QString& text, const QFont& font) {
  const QFontMetrics metrics(font);
  QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
  int widest = 0;
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype end = breaks.toNextBoundary();
    if (end <= start) end = text.size();  // no further boundary: the rest is one piece
    const QString piece = text.mid(start, end - start).trimmed();
    widest = std::max(widest, metrics.horizontalAdvance(piece));
    start = end;
  }
  return widest;
}

// Whether the text, wrapped at the room's width, fits the room without any line being cut.
bool WrappedTextFits(const QString& text, const QFont& font, const QSize& room) {
  if (WidestUnbreakable(text, font) > room.width()) return false;
  const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, room.width(), INT_MAX / 2),
                                                       Qt::TextWordWrap, text);
  // The drawn lines can reach a pixel past their advance.
  return needed.width() <= room.width() && needed.height() <= room.height();
}

// The room for a wrapping label's text: its contents, cut at the left edge of a control on its
// row that its box reaches into (rounding twips to pixels can make a label overlap the text box
// beside it by a pixel, which the text must not run under).
QSize WrappingRoom(const QLabel& label) {
  QSize room = label.contentsRect().size();
  const QWidget* parent = label.parentWidget();
  if (parent == nullptr) return room;
  const QRect box = label.geometry();
  const int textLeft = box.left() + label.contentsRect().left();
  for (const QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const QRect g = other->geometry();
    if (other == &label || g.left() <= box.left() || !g.intersects(box)) continue;
    if (g.center().y() < box.top() || g.center().y() > box.bottom()) continue;  // another row
    room.setWidth(std::min(room.width(), g.left() - textLeft));
  }
  return room;
}

}  // namespace

void FitLabelToText(QLabel* label, double minPointSize) {
  if (!label->wordWrap()) {
    const int room = label->contentsRect().width();
    const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
    if (needed > room) label->resize(label->width() + needed - room, label->height());
    return;
  }
  const QSize room = WrappingRoom(*label);
  QFont font = label->font();
  double size = font.pointSizeF();
  if (size <= 0) return;  // a font given in pixels is left alone
  while (!WrappedTextFits(label->text(), font, room) && size - 0.25 >= minPointSize) {
    size -= 0.25;
    font.setPointSizeF(size);
  }
  if (size != label->font().pointSizeF()) label->setFont(font);
}
