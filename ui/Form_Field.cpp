#include "ui/Form_Field.hpp"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "export/ExportPictures.hpp"
#include "export/OutputFile.hpp"
#include "export/PictureFiles.hpp"
#include "layout/FieldWindowLayout.hpp"
#include "model/FieldReadout.hpp"
#include "ui/FieldView.hpp"
#include "ui/PlotHover.hpp"
#include "ui/Widgets.hpp"

namespace {

const jouk::FieldWindowLayout& kLayout = jouk::kFieldWindow;

// A text of the window's layout in the user's language.
QString Text(const char* english) {
  return LayoutText(kLayout.context, english);
}

}  // namespace

Form_Field::Form_Field(QWidget* parent) : QWidget(parent, Qt::Window) {
  NameWindow(*this, kLayout.name, Text(kLayout.caption));
  view_ = new FieldView(this);
  readout_ = new QLabel(this);
  readout_->setObjectName(QStringLiteral("Label_Readout"));
  readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  readout_->setMinimumHeight(2 * fontMetrics().height() + 4);
  note_ = new QLabel(this);
  note_->setObjectName(QStringLiteral("Label_Note"));
  QLabel* help = BuildHelp();

  auto* copy = new QPushButton(Text(kLayout.copy), this);
  copy->setObjectName(QStringLiteral("Button_Copy"));
  auto* save = new QPushButton(Text(kLayout.save), this);
  save->setObjectName(QStringLiteral("Button_Save"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(note_, 1);
  buttons->addWidget(copy);
  buttons->addWidget(save);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildControls());
  layout->addWidget(view_, 0, Qt::AlignHCenter);
  layout->addWidget(readout_);
  layout->addWidget(help);
  layout->addLayout(buttons);
  // Never smaller than its content: the picture keeps its 600 × 400 pixels.
  layout->setSizeConstraint(QLayout::SetMinimumSize);

  playTimer_ = new QTimer(this);
  playTimer_->setObjectName(QStringLiteral("Timer_Play"));
  playTimer_->setInterval(kLayout.playIntervalMs);
  connect(playTimer_, &QTimer::timeout, this, &Form_Field::PlayStep);
  connect(view_, &FieldView::hovered, this, &Form_Field::Hover);
  connect(view_, &FieldView::left, this, &Form_Field::ClearReadout);
  connect(copy, &QPushButton::clicked, this, &Form_Field::Copy);
  connect(save, &QPushButton::clicked, this, &Form_Field::Save);
  folder_ = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  chooser_ = [this](const QString& caption, const QString& fileName, const QStringList& filters,
                    QString* chosenFilter) {
    return QFileDialog::getSaveFileName(this, caption, fileName, filters.join(QStringLiteral(";;")),
                                        chosenFilter);
  };
  ShowNothingYet();
  resize(sizeHint());
}

QLabel* Form_Field::BuildHelp() {
  auto* help = new QLabel(Text(kLayout.help), this);
  help->setObjectName(QStringLiteral("Label_Help"));
  help->setWordWrap(true);
  return help;
}

QWidget* Form_Field::BuildControls() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  stage_ = new QSlider(Qt::Horizontal, box);
  stage_->setObjectName(QStringLiteral("Slider_Map"));
  stage_->setRange(0, kStageSteps);
  stage_->setValue(kStageSteps);
  stage_->setPageStep(kStageSteps / 10);
  auto* caption = new QLabel(Text(kLayout.mapCaption), box);
  caption->setBuddy(stage_);
  stage_->setAccessibleName(Text(kLayout.mapDescription));
  play_ = new QPushButton(Text(kLayout.play), box);
  play_->setObjectName(QStringLiteral("Button_Play"));
  play_->setCheckable(true);
  grid->addWidget(caption, 0, 0);
  grid->addWidget(new QLabel(Text(kLayout.circlePlane), box), 0, 1);
  grid->addWidget(stage_, 0, 2);
  grid->addWidget(new QLabel(Text(kLayout.section), box), 0, 3);
  grid->addWidget(play_, 0, 4);
  grid->setColumnStretch(2, 1);

  cp_ = new QCheckBox(Text(kLayout.pressure), box);
  cp_->setObjectName(QStringLiteral("Check_Cp"));
  orientation_ = new QComboBox(box);
  orientation_->setObjectName(QStringLiteral("Combo_Orientation"));
  orientation_->addItem(Text(kLayout.asMain));
  orientation_->addItem(Text(kLayout.horizontal));
  auto* orientationCaption = new QLabel(Text(kLayout.orientation), box);
  orientationCaption->setBuddy(orientation_);
  grid->addWidget(cp_, 1, 0, 1, 2);
  grid->addWidget(orientationCaption, 1, 2, Qt::AlignRight);
  grid->addWidget(orientation_, 1, 3, 1, 2);

  connect(stage_, &QSlider::valueChanged, this, &Form_Field::Redraw);
  connect(cp_, &QCheckBox::toggled, this, &Form_Field::Redraw);
  connect(orientation_, &QComboBox::currentIndexChanged, this, &Form_Field::Redraw);
  connect(play_, &QPushButton::toggled, this, &Form_Field::TogglePlay);
  return box;
}

jouk::FieldPictureSetup Form_Field::Setup() const {
  return {
      .t = static_cast<double>(stage_->value()) / kStageSteps,
      .cp = cp_->isChecked(),
      .view = orientation_->currentIndex() == 1 ? jouk::FlowView::kTunnel : jouk::FlowView::kMain};
}

void Form_Field::ShowFlow(const jouk::FlowState& st, const jouk::ParameterTexts& texts) {
  jouk::FieldFlow flow;
  jouk::MessageId reason{};
  if (!jouk::MakeFieldFlow(st, flow, reason)) {
    ShowNothingYet();
    return;
  }
  st_ = &st;
  texts_ = texts;
  flow_ = flow;
  note_->clear();
  Redraw();
}

void Form_Field::ShowNothingYet() {
  st_ = nullptr;
  flow_.reset();
  note_->setText(Text(kLayout.nothingYet));
  Redraw();
}

void Form_Field::Redraw() {
  // Play's frames with the pressure colours are drafts; the picture it stops at is drawn whole.
  view_->Show(st_, Setup(), playTimer_->isActive() && cp_->isChecked());
  if (pointer_) {
    Hover(pointer_->real(), pointer_->imag());
  } else {
    ClearReadout();
  }
}

void Form_Field::Hover(double x, double y) {
  pointer_ = jouk::Complex(x, y);
  if (!flow_) {
    readout_->clear();
    view_->SetMark(std::nullopt);
    return;
  }
  const jouk::FieldPictureSetup setup = Setup();
  const jouk::FieldProbe probe = jouk::ProbeField(*flow_, *pointer_, setup.t, setup.view);
  readout_->setText(QString::fromStdString(jouk::ReadoutText(probe, TranslatedReadoutWords())));
  view_->SetMark(probe.other);
}

void Form_Field::ClearReadout() {
  pointer_.reset();
  readout_->clear();
  view_->SetMark(std::nullopt);
}

void Form_Field::TogglePlay(bool on) {
  play_->setText(on ? Text(kLayout.pause) : Text(kLayout.play));
  if (!on) {
    playTimer_->stop();
    Redraw();
    return;
  }
  playFrom_ = static_cast<double>(stage_->value()) / kStageSteps;
  played_.start();
  playTimer_->start();
}

void Form_Field::PlayStep() {
  const double t = jouk::PlayedStage(played_.elapsed() / 1000.0, playFrom_);
  stage_->setValue(static_cast<int>(std::lround(t * kStageSteps)));
}

void Form_Field::hideEvent(QHideEvent* event) {
  play_->setChecked(false);
  QWidget::hideEvent(event);
}

void Form_Field::SetFileChooser(FileChooser chooser) {
  chooser_ = std::move(chooser);
}

void Form_Field::Copy() {
  QGuiApplication::clipboard()->setImage(view_->image());
}

void Form_Field::Save() {
  if (st_ == nullptr) return;
  const QString png = Text(kLayout.pngFilter);
  const QString svg = Text(kLayout.svgFilter);
  QString filter = png;
  QString path = chooser_ ? chooser_(Text(kLayout.saveCaption),
                                     QDir(folder_).filePath(QString::fromLatin1(kLayout.fileName)),
                                     {png, svg}, &filter)
                          : QString();
  if (path.isEmpty()) return;
  folder_ = QFileInfo(path).absolutePath();
  // The name's own extension decides; a name without either takes the chosen filter's.
  const QString suffix = QFileInfo(path).suffix().toLower();
  const bool asSvg =
      suffix == QLatin1String("svg") || (suffix != QLatin1String("png") && filter == svg);
  if (suffix != QLatin1String("svg") && suffix != QLatin1String("png")) {
    path += asSvg ? QStringLiteral(".svg") : QStringLiteral(".png");
  }
  // The files joukowsky-export --format field writes for the same texts, stage and colours.
  const QSize size = FieldView::PictureSize();
  std::string bytes, error;
  jouk::MessageId reason{};
  if (asSvg) {
    jouk::FieldSvg(*st_, Setup(), size.width(), size.height(), jouk::PictureDescription(texts_, 0),
                   bytes, reason);
  } else {
    const QByteArray encoded =
        jouk::FieldPng(*st_, Setup(), size.width(), size.height(), 1, reason);
    bytes.assign(encoded.constData(), static_cast<std::size_t>(encoded.size()));
  }
  if (bytes.empty()) {
    error = Text(kLayout.notMade).toStdString();
  } else if (jouk::WriteOutput(QFile::encodeName(path).toStdString(), bytes, error)) {
    return;
  }
  emit failed(
      Text(kLayout.notSaved).arg(QDir::toNativeSeparators(path), QString::fromStdString(error)));
}
