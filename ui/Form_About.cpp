#include "ui/Form_About.hpp"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>

#include "ui/AboutText.hpp"
#include "ui/AppIcon.hpp"
#include "ui/LabelFit.hpp"
#include "ui/Twips.hpp"
#include "ui/Widgets.hpp"

namespace {

const QColor kBackground(255, 255, 192);
const QColor kGreen(0, 128, 0);
const QColor kBlue(0, 0, 255);
// The labels' own text colour is black on the light yellow ground whatever the desktop's theme.
const QColor kBlack(0, 0, 0);

QFont Verdana(double pointSize) {
  QFont font(QStringLiteral("Verdana"));
  font.setPointSizeF(pointSize);
  font.setStyleHint(QFont::SansSerif);  // the nearest sans-serif face where Verdana is missing
  return font;
}

QLabel* MakeLabel(QWidget* window, const char* name, const QString& text, const QRect& twips,
                  const QFont& font, const QColor& textColor) {
  QLabel* label = NamedLabel(window, name, text, font);
  label->setGeometry(twips);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, kBackground);
  palette.setColor(QPalette::WindowText, textColor);
  label->setPalette(palette);
  label->setAutoFillBackground(true);
  return label;
}

}  // namespace

Form_About::Form_About(QWidget* parent) : QWidget(parent, Qt::Window) {
  NameWindow(*this, "Form_About", tr("About"));
  resize(TwipsToPixels(4125), TwipsToPixels(3195));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kBackground);
  setPalette(palette);
  setAutoFillBackground(true);

  QFont title = Verdana(12);
  title.setWeight(QFont::Bold);
  title.setUnderline(true);

  Label1 = MakeLabel(this, "Label1", QStringLiteral("VozuvadirAvevuze"),
                     TwipRect(960, 240, 2415, 375), title, kGreen);
  Label2 = MakeLabel(this, "Label2", tr("Streamlines around Joukowsky airfoil"),
                     TwipRect(720, 840, 2655, 615), Verdana(9.75), kGreen);
  Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label2->setWordWrap(true);
  Label7 = MakeLabel(this, "Label7", tr(about_text::kCreditLine), TwipRect(840, 1680, 2535, 255),
                     Verdana(8.25), kBlack);
  Label8 = MakeLabel(this, "Label8", tr("last update : December 2014"),
                     TwipRect(840, 2040, 2775, 255), Verdana(8.25), kBlack);
  Label4 = MakeLabel(this, "Label4", tr("for comments and questions e-mail to"),
                     TwipRect(480, 2520, 3375, 255), Verdana(8.25), kBlack);
  Label5 = MakeLabel(this, "Label5", QString::fromUtf8(about_text::kContactAddress),
                     TwipRect(1200, 2760, 1935, 255), Verdana(8.25), kBlue);
  for (QLabel* label : {Label1, Label2, Label7, Label8, Label4, Label5}) {
    label->setAccessibleName(label->text());
    FitLabelToText(label);
  }
}
