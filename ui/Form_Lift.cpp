#include "ui/Form_Lift.hpp"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPointF>
#include <QStringList>
#include <QVBoxLayout>
#include <QVector>
#include <algorithm>

#include "layout/WindowLayout.hpp"
#include "model/EdgeNotes.hpp"
#include "ui/AppIcon.hpp"
#include "ui/ModelText.hpp"
#include "ui/PressurePlot.hpp"
#include "ui/Widgets.hpp"

namespace {

// A label whose text is `scale` times the window's font and can be selected for copying.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, double scale) {
  QFont font = parent->font();
  font.setPointSizeF(font.pointSizeF() * scale);
  QLabel* label = NamedLabel(parent, name, text, font);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

Form_Lift::Form_Lift(QWidget* parent) : QWidget(parent, Qt::Window) {
  const jouk::LiftWindowLayout& w = jouk::kLiftWindow;
  NameWindow(*this, w.name, LayoutText(w.name, w.caption));

  auto* figures = new QGridLayout;
  figures->addWidget(
      MakeLabel(this, "Caption_Circulation", LayoutText(w.name, w.circulationCaption), 1.0), 0, 0);
  figures->addWidget(MakeLabel(this, "Caption_Lift", LayoutText(w.name, w.liftCaption), 1.0), 0, 1);
  circulationValue_ = MakeLabel(this, "Value_Circulation", QString(), 2.5);
  liftValue_ = MakeLabel(this, "Value_Lift", QString(), 2.5);
  figures->addWidget(circulationValue_, 1, 0);
  figures->addWidget(liftValue_, 1, 1);

  note_ = MakeLabel(this, "Label_Note", QString(), 1.0);
  note_->setWordWrap(true);
  plot_ = new PressurePlot(this);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(figures);
  layout->addWidget(note_);
  layout->addWidget(plot_, 1);
  resize(640, 520);
  ShowNothingYet();
}

QString Form_Lift::FigureText(double value) {
  return QString::fromStdString(jouk::FigureText(value));
}

void Form_Lift::ShowNothingYet() {
  const jouk::LiftWindowLayout& w = jouk::kLiftWindow;
  circulationValue_->setText(LayoutText(w.name, w.noValue));
  liftValue_->setText(LayoutText(w.name, w.noValue));
  note_->setText(LayoutText(w.name, w.nothingYet));
  plot_->Clear();
}

void Form_Lift::ShowResult(const jouk::LiftAndPressure& result) {
  if (!result.ok) {
    circulationValue_->setText(tr("—"));
    liftValue_->setText(tr("—"));
    note_->setText(tr("The lift could not be computed: %1").arg(LiftErrorText(result)));
    plot_->Clear();
    return;
  }
  circulationValue_->setText(FigureText(result.circulation));
  liftValue_->setText(FigureText(result.liftCoefficient));

  // The model's notes on the edges left out of the curves, the Kutta factor as a figure.
  QStringList notes;
  for (const jouk::MessageId id : jouk::CurveNotes(result)) {
    notes << ModelMessage(id, {FigureText(result.kuttaFactor)});
  }
  note_->setText(notes.join(QLatin1Char(' ')));

  const jouk::PressureCurves curves = jouk::PressureCurvesOf(result);
  QVector<QPointF> upper, lower;
  for (const jouk::CurvePoint& p : curves.upper) upper.append(QPointF(p.x, p.y));
  for (const jouk::CurvePoint& p : curves.lower) lower.append(QPointF(p.x, p.y));
  plot_->SetCurves(std::move(upper), std::move(lower));
}
