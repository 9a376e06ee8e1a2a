#include "LabelFit.hpp"

#include <QFontMetrics>
#include <QLabel>
#include <QStringList>
#include <algorithm>

namespace {

int WidestWord(const QString& text, const QFont& font) {
  const QFontMetrics metrics(font);
  int widest = 0;
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    widest = std::max(widest, metrics.horizontalAdvance(word));
  }
  return widest;
}

}  // namespace

void FitLabelToText(QLabel* label, double minPointSize) {
  const int room = label->contentsRect().width();
  if (!label->wordWrap()) {
    const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
    if (needed > room) label->resize(label->width() + needed - room, label->height());
    return;
  }
  QFont font = label->font();
  double size = font.pointSizeF();
  if (size <= 0) return;  // a font given in pixels is left alone
  while (WidestWord(label->text(), font) > room && size - 0.25 >= minPointSize) {
    size -= 0.25;
    font.setPointSizeF(size);
  }
  if (size != label->font().pointSizeF()) label->setFont(font);
}
