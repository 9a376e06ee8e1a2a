#include "ui/Form_Lift.hpp"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPointF>
#include <QStringList>
#include <QVBoxLayout>
#include <QVector>
#include <algorithm>

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
  NameWindow(*this, "Form_Lift", tr("Lift and pressure"));

  auto* figures = new QGridLayout;
  figures->addWidget(MakeLabel(this, "Caption_Circulation", tr("Circulation Γ"), 1.0), 0, 0);
  figures->addWidget(MakeLabel(this, "Caption_Lift", tr("Lift coefficient Cl"), 1.0), 0, 1);
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
  return QString::number(value + 0.0, 'g', 6);  // + 0.0 shows −0 as 0
}

void Form_Lift::ShowNothingYet() {
  circulationValue_->setText(tr("—"));
  liftValue_->setText(tr("—"));
  note_->setText(tr("Press START to compute the flow; its lift and pressure show here."));
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

  // Upper: the first upperCount points (the leading edge last, when it is there); lower: from
  // the leading edge on.
  const auto count = static_cast<qsizetype>(result.surface.size());
  const qsizetype upperEnd = std::clamp<qsizetype>(result.upperCount, 0, count);
  const qsizetype lowerBegin =
      result.leadingEdgeOmitted ? upperEnd : std::max<qsizetype>(upperEnd - 1, 0);
  QVector<QPointF> upper, lower;
  upper.reserve(upperEnd);
  lower.reserve(count - lowerBegin);
  for (qsizetype i = 0; i < count; ++i) {
    const jouk::SurfacePoint& p = result.surface[static_cast<std::size_t>(i)];
    const QPointF point(p.chordFraction, -p.cp);
    if (i < upperEnd) upper.append(point);
    if (i >= lowerBegin) lower.append(point);
  }
  plot_->SetCurves(std::move(upper), std::move(lower));
}
