#include "ui/Form1.hpp"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <utility>
#include <vector>

#include "export/NoteText.hpp"
#include "export/TranslatedMessage.hpp"
#include "layout/WindowLayout.hpp"
#include "model/Aerodynamics.hpp"
#include "model/Animation.hpp"
#include "model/FlowPicture.hpp"
#include "model/FlowViews.hpp"
#include "model/NumberText.hpp"
#include "model/ReadingNotes.hpp"
#include "model/Recompute.hpp"
#include "ui/AppIcon.hpp"
#include "ui/Companion.hpp"
#include "ui/Form_About.hpp"
#include "ui/Form_Field.hpp"
#include "ui/Form_Lift.hpp"
#include "ui/LabelFit.hpp"
#include "ui/ModelText.hpp"
#include "ui/ParameterScrollBar.hpp"
#include "ui/ParameterTextBox.hpp"
#include "ui/PlotHover.hpp"
#include "ui/PlotMenu.hpp"
#include "ui/PlotView.hpp"
#include "ui/Widgets.hpp"

namespace {

const jouk::MainWindowLayout& kLayout = jouk::kMainWindow;

// Shows a window of its own over the others, with the keyboard's focus.
void BringToFront(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

// A caption of the main window's layout in the user's language.
QString Text(const char* english) {
  return LayoutText(kLayout.name, english);
}

}  // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
  NameWindow(*this, kLayout.name, Text(kLayout.caption));
  QFont font = QApplication::font();
  font.setPointSizeF(kLayout.pointSize);
  setFont(font);
  messageSink_ = [this](const QString& message) { ShowWarning(message); };

  BuildControls();
  // Load: the constants and the section table, before the window is shown. Nothing is computed
  // or drawn until the first START or scroll-bar change.
  jouk::LoadInitialisation(st_);
  ConnectActions();
  BuildPlotMenu();
}

Form1::~Form1() = default;

void Form1::BuildControls() {
  Mn_About = menuBar()->addAction(Text(kLayout.menuItemCaption));
  Mn_About->setObjectName(QString::fromLatin1(kLayout.menuItemName));

  // The client area below the menu bar; nothing in it moves when the window is resized.
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("Form1_Client"));
  setCentralWidget(client);

  const std::array<QGroupBox*, 2> frames = {BuildFrame(client, 0), BuildFrame(client, 1)};
  for (std::size_t k = 0; k < jouk::kParameterCount; ++k) {
    BuildParameterRow(k, frames.at(jouk::ControlsOf(k).frame));
  }
  BuildCommandsAndPlot(client);

  // Idle until the first start: interval zero, not running.
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(0);

  SetTabOrder(client);
  // The client area as laid out, below the menu bar.
  const QSize area = TwipSize(kLayout.client);
  resize(area.width(), area.height() + menuBar()->sizeHint().height());
}

QGroupBox* Form1::BuildFrame(QWidget* client, std::size_t f) {
  const jouk::CaptionedControl& frame = kLayout.frames.at(f).frame;
  auto* box = Place(new QGroupBox(client), frame.control, Text(frame.accessibleName));
  if (*frame.caption != '\0') box->setTitle(Text(frame.caption));
  return box;
}

void Form1::BuildParameterRow(std::size_t k, QGroupBox* frame) {
  const jouk::ParameterFacts& p = jouk::kParameters[k];
  const jouk::ParameterControls row = jouk::ControlsOf(k);
  const QString description = ParameterDescription(p);
  auto* label = Place(new QLabel(ParameterLabel(p), frame), row.label);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(jouk::LabelWraps(row.label.box));
  textBoxes_[k] =
      Place(new ParameterTextBox(QString::fromUtf8(p.startText), frame), row.textBox, description);
  label->setBuddy(textBoxes_[k]);
  FitLabelToText(label);
  if (!p.bar) return;
  auto* bar = Place(new ParameterScrollBar(frame), row.scrollBar, description);
  bar->setRange(p.bar->minimum, p.bar->maximum);
  bar->setSingleStep(p.bar->arrowStep);
  bar->setPageStep(p.bar->pageStep);
  bar->setValue(p.bar->start);  // before any connection: the start raises no action
  scrollBars_[k] = bar;
}

void Form1::BuildCommandsAndPlot(QWidget* client) {
  const auto button = [client](const jouk::CaptionedControl& c) {
    return Place(new QPushButton(Text(c.caption), client), c.control, Text(c.accessibleName));
  };
  Command_START = button(kLayout.start);
  Command_STOP = button(kLayout.stop);
  Picture3 = Place(new PlotView(client), kLayout.plot.control, Text(kLayout.plot.accessibleName));
  Picture3->setFocusPolicy(Qt::StrongFocus);
  // A new backing image (another screen's pixel density) starts empty: the start picture is
  // drawn again; the animation's next frames follow as ever.
  connect(Picture3, &PlotView::pictureRenewed, this, [this] {
    if (st_.nPts.empty()) return;
    jouk::DrawStartPicture(Picture3->Canvas(), Shown());
    frameStanding_ = false;
    Picture3->update();
  });
}

void Form1::SetTabOrder(QWidget* client) {
  std::vector<QWidget*> chain;
  for (const jouk::ControlLayout& c : jouk::FocusOrder()) {
    if (auto* w = client->findChild<QWidget*>(QString::fromLatin1(c.name))) chain.push_back(w);
  }
  for (std::size_t k = 1; k < chain.size(); ++k) setTabOrder(chain[k - 1], chain[k]);
  if (!chain.empty()) chain.front()->setFocus();
}

void Form1::ConnectActions() {
  for (std::size_t k = 0; k < jouk::kParameterCount; ++k) {
    if (scrollBars_[k] == nullptr) continue;
    connect(scrollBars_[k], &QScrollBar::valueChanged, this,
            [this, k](int p) { ParameterChange(k, p); });
  }
  for (ParameterTextBox* box : textBoxes_) {
    connect(box, &QLineEdit::textChanged, this, &Form1::MarkPendingTexts);
  }
  connect(Command_START, &QPushButton::clicked, this, &Form1::Restart);
  connect(Command_STOP, &QPushButton::clicked, this, &Form1::Command_STOP_Click);
  connect(Mn_About, &QAction::triggered, this, &Form1::Mn_About_Click);
  connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
}

void Form1::SetMessageSink(MessageSink sink) {
  messageSink_ = std::move(sink);
}

jouk::ParameterTexts Form1::Texts() const {
  jouk::ParameterTexts texts;
  for (std::size_t k = 0; k < jouk::kParameterCount; ++k) {
    texts.*jouk::kParameters[k].text = textBoxes_[k]->text().toStdString();
  }
  return texts;
}

void Form1::SetTexts(const jouk::ParameterTexts& texts) {
  for (std::size_t k = 0; k < jouk::kParameterCount; ++k) {
    textBoxes_[k]->SetShownText(QString::fromStdString(texts.*jouk::kParameters[k].text));
  }
}

void Form1::ShowWarning(const QString& message) {
  // The box runs its own event loop; should another rejection arrive meanwhile, no second box is
  // stacked on the first.
  if (reporting_) return;
  reporting_ = true;
  QMessageBox::warning(this, windowTitle(), message);
  reporting_ = false;
}

bool Form1::hesapla() {
  const jouk::ParameterTexts texts = Texts();
  const jouk::RecomputeStatus status = jouk::Recompute(st_, texts);
  if (status.ok) {
    shownTexts_ = texts;
    plotMenu_->SetSolved(true);
    RenewTunnelCopy();
    hover_->SetFlow(st_);
    MarkReadingNotes(texts);
    MarkPendingTexts();
    return true;
  }
  for (ParameterScrollBar* bar : scrollBars_) {
    if (bar != nullptr) bar->EndRepeat();
  }
  Report(RejectionText(status));
  return false;
}

void Form1::MarkReadingNotes(const jouk::ParameterTexts& texts) {
  std::array<QStringList, jouk::kParameterCount> notes;
  for (const jouk::ReadingNote& note : jouk::ReadingNotes(st_, texts)) {
    notes[note.parameter].append(jouk::NoteText(note));
  }
  for (std::size_t k = 0; k < jouk::kParameterCount; ++k) {
    textBoxes_[k]->SetNote(notes[k].join(QLatin1Char('\n')));
  }
}

void Form1::MarkPendingTexts() {
  const auto pending = jouk::PendingBoxes(shownTexts_, Texts());
  const QString mark = jouk::TranslatedMessage(jouk::MessageId::kNotAppliedYet);
  for (std::size_t k = 0; k < jouk::kParameterCount; ++k) {
    textBoxes_[k]->SetPending(pending[k] ? mark : QString());
  }
}

void Form1::Report(const QString& message) {
  if (messageSink_) messageSink_(message);
}

void Form1::Başla() {
  // The animation's constants, the background colour, the world window from Olcek and the
  // contour in red; then the timer, whose interval read back gives the time step.
  jouk::StartPicture(Picture3->Canvas(), Shown());
  Picture3->update();

  Timer1->setInterval(jouk::kTickIntervalMs);
  jouk::ResetAnimationClock(Shown(), Timer1->interval());
  ticksShown_ = 0;
  frameStanding_ = false;
  Timer1->start();
}

void Form1::Timer1_Timer() {
  // After the first tick the previous frame is erased by its colour: the same pixels.
  if (frameStanding_) {
    jouk::DrawAnimationTickOver(Picture3->Canvas(), Shown());
  } else {
    jouk::DrawAnimationTick(Picture3->Canvas(), Shown());
  }
  frameStanding_ = true;
  ++ticksShown_;
  Picture3->update();
}

void Form1::Restart() {
  if (!hesapla()) return;
  Picture3->Cls();
  Başla();
  if (lift_ && lift_->isVisible()) RefreshLiftWindow();
  if (field_ && field_->isVisible()) RefreshFieldWindow();
}

void Form1::ParameterChange(std::size_t k, int p) {
  // The text box is the store of the parameter: hesapla reads the value back from it, exactly,
  // and only a recompute that succeeds writes the flow store, so a rejected parameter set leaves
  // the running animation with a store that agrees with its solution.
  const double value = p / jouk::kParameters[k].bar->divisor;
  textBoxes_[k]->SetShownText(QString::fromStdString(jouk::NumberToText(value)));
  Restart();
}

void Form1::Command_STOP_Click() {
  Timer1->stop();
}

void Form1::Mn_About_Click() {
  if (!about_) about_ = std::make_unique<Form_About>();
  BringToFront(*about_);
}

void Form1::BuildPlotMenu() {
  plotMenu_ = new PlotMenu(this, [this] {
    return PlotSnapshot{&Shown(), shownTexts_, ticksShown_, Picture3->image()};
  });
  connect(plotMenu_, &PlotMenu::liftRequested, this, &Form1::ShowLiftWindow);
  connect(plotMenu_, &PlotMenu::fieldRequested, this, &Form1::ShowFieldWindow);
  connect(plotMenu_, &PlotMenu::freeStreamHorizontalChanged, this, &Form1::SetTunnelView);
  hover_ = new PlotHover(Picture3);
  connect(plotMenu_, &PlotMenu::failed, this, &Form1::Report);
  plotMenu_->AttachShortcuts(Picture3);
  Picture3->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Picture3, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { plotMenu_->popup(Picture3->mapToGlobal(at)); });
}

void Form1::ShowLiftWindow() {
  if (!lift_) lift_ = std::make_unique<Form_Lift>();
  if (!lift_->isVisible()) PlaceBeside(*lift_, *this);
  RefreshLiftWindow();
  BringToFront(*lift_);
}

void Form1::RefreshLiftWindow() {
  if (st_.nPts.empty()) {  // nothing accepted yet
    lift_->ShowNothingYet();
    return;
  }
  lift_->ShowResult(jouk::ComputeLiftAndPressure(st_));
}

void Form1::closeEvent(QCloseEvent* event) {
  // A closed main window animates no more, even while the About window keeps the program alive;
  // its companion windows close with it.
  Timer1->stop();
  if (lift_) lift_->close();
  if (field_) field_->close();
  QMainWindow::closeEvent(event);
}

jouk::FlowState& Form1::Shown() {
  return tunnel_ ? *tunnel_ : st_;
}

void Form1::SetTunnelView(bool on) {
  tunnelView_ = on;
  hover_->SetView(on ? jouk::FlowView::kTunnel : jouk::FlowView::kMain);
  if (st_.nPts.empty()) return;  // nothing shown yet
  if (on) {
    RenewTunnelCopy();
  } else {
    tunnel_.reset();
  }
  jouk::FlowState& shown = Shown();
  shown.YAnim1 = jouk::PointGrid();
  shown.YAnim2 = jouk::PointGrid();
  Picture3->Cls();
  jouk::ReplayWindowPicture(Picture3->Canvas(), shown, ticksShown_);
  frameStanding_ = ticksShown_ > 0;  // the replay drew the frame of the last tick
  Picture3->update();
}

void Form1::RenewTunnelCopy() {
  if (!tunnelView_) return;
  if (!tunnel_) {
    tunnel_ = std::make_unique<jouk::FlowState>(st_);
  } else {
    // Copied into the memory it has; the lines on the plot stay, for the next erase pass.
    jouk::PointGrid drawn1 = std::move(tunnel_->YAnim1), drawn2 = std::move(tunnel_->YAnim2);
    *tunnel_ = st_;
    tunnel_->YAnim1 = std::move(drawn1);
    tunnel_->YAnim2 = std::move(drawn2);
  }
  jouk::ApplyView(*tunnel_, jouk::FlowView::kTunnel);
}

void Form1::ShowFieldWindow() {
  if (!field_) {
    field_ = std::make_unique<Form_Field>();
    connect(field_.get(), &Form_Field::failed, this, &Form1::Report);
  }
  if (!field_->isVisible()) PlaceBeside(*field_, *this);
  RefreshFieldWindow();
  BringToFront(*field_);
}

void Form1::RefreshFieldWindow() {
  if (st_.nPts.empty()) {  // nothing accepted yet
    field_->ShowNothingYet();
    return;
  }
  field_->ShowFlow(st_, shownTexts_);
}
