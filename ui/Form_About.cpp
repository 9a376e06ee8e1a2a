#include "ui/Form_About.hpp"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>

#include "layout/WindowLayout.hpp"
#include "ui/LabelFit.hpp"
#include "ui/Twips.hpp"
#include "ui/Widgets.hpp"

namespace {

const jouk::AboutWindowLayout& kLayout = jouk::kAboutWindow;

QColor ColourOf(const jouk::Colour& c) {
  return QColor(c.red, c.green, c.blue);
}

QFont FontOf(const jouk::FontLayout& f) {
  QFont font(QString::fromLatin1(f.face));
  font.setPointSizeF(f.pointSize);
  font.setStyleHint(QFont::SansSerif);  // the nearest sans-serif face where the face is missing
  if (f.weight != jouk::kRegularWeight) font.setWeight(QFont::Weight(f.weight));
  if (f.underline) font.setUnderline(true);
  return font;
}

// The label on the window's ground; its own text colour stays whatever the desktop's theme.
QLabel* MakeLabel(QWidget* window, const jouk::AboutLabel& l) {
  const QString text = l.translated ? LayoutText(kLayout.name, l.text) : QString::fromUtf8(l.text);
  QLabel* label = NamedLabel(window, l.name, text, FontOf(l.font));
  label->setGeometry(TwipRect(l.box));
  if (l.align == jouk::TextAlign::kCentre) label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  if (l.wrap) label->setWordWrap(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, ColourOf(kLayout.background));
  palette.setColor(QPalette::WindowText, ColourOf(l.colour));
  label->setPalette(palette);
  label->setAutoFillBackground(true);
  return label;
}

}  // namespace

Form_About::Form_About(QWidget* parent) : QWidget(parent, Qt::Window) {
  NameWindow(*this, kLayout.name, LayoutText(kLayout.name, kLayout.caption));
  resize(TwipSize(kLayout.client));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ColourOf(kLayout.background));
  setPalette(palette);
  setAutoFillBackground(true);

  for (std::size_t k = 0; k < labels_.size(); ++k) labels_[k] = MakeLabel(this, kLayout.labels[k]);
  // Fitted once all stand: a wrapping label's room ends at the controls beside it.
  for (QLabel* label : labels_) {
    label->setAccessibleName(label->text());
    FitLabelToText(label);
  }
}
