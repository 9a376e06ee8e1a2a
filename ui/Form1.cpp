#include "Form1.hpp"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "Animation.hpp"
#include "FlowPicture.hpp"
#include "Form_About.hpp"
#include "LabelFit.hpp"
#include "NumberText.hpp"
#include "PlotView.hpp"
#include "Recompute.hpp"
#include "Twips.hpp"

namespace {

constexpr int kClientWidthTwips = 12300;
constexpr int kClientHeightTwips = 6420;
constexpr double kDefaultPointSize = 8.25;

// A parameter scroll bar. Its keys step as those of a desktop scroll bar do: left and up one
// arrow step down, right and down one arrow step up, Page Up and Page Down a page step, Home and
// End to the ends. A rejected parameter set ends the auto-repeat of a held arrow, so that the bar
// does not go on stepping behind the warning box.
class ParameterScrollBar : public QScrollBar {
 public:
  using QScrollBar::QScrollBar;
  void EndRepeat() { setRepeatAction(QAbstractSlider::SliderNoAction); }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    SliderAction action = SliderNoAction;
    switch (event->key()) {
      case Qt::Key_Left:
      case Qt::Key_Up:
        action = SliderSingleStepSub;
        break;
      case Qt::Key_Right:
      case Qt::Key_Down:
        action = SliderSingleStepAdd;
        break;
      case Qt::Key_PageUp:
        action = SliderPageStepSub;
        break;
      case Qt::Key_PageDown:
        action = SliderPageStepAdd;
        break;
      case Qt::Key_Home:
        action = SliderToMinimum;
        break;
      case Qt::Key_End:
        action = SliderToMaximum;
        break;
      default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(action);
    event->accept();
  }
};

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QRect& geometry,
                     const QString& accessibleName) {
  auto* frame = new QGroupBox(parent);
  frame->setObjectName(QString::fromLatin1(name));
  frame->setGeometry(geometry);
  frame->setAccessibleName(accessibleName);
  return frame;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, const QString& text,
                       const QRect& geometry, const QString& accessibleName) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(geometry);
  box->setAccessibleName(accessibleName);
  return box;
}

struct ScrollRange {
  int minimum, maximum, start, arrowStep, pageStep;
};

ParameterScrollBar* MakeScrollBar(QWidget* parent, const char* name, const QRect& geometry,
                                  const ScrollRange& range, const QString& accessibleName) {
  auto* bar = new ParameterScrollBar(Qt::Horizontal, parent);
  bar->setObjectName(QString::fromLatin1(name));
  bar->setGeometry(geometry);
  bar->setRange(range.minimum, range.maximum);
  bar->setSingleStep(range.arrowStep);
  bar->setPageStep(range.pageStep);
  bar->setValue(range.start);  // before any connection: the start raises no action
  // Only completed changes count: a dragged thumb reports once, on release.
  bar->setTracking(false);
  bar->setFocusPolicy(Qt::StrongFocus);
  bar->setAccessibleName(accessibleName);
  return bar;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry, const QString& accessibleName) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  button->setAccessibleName(accessibleName);
  return button;
}

}  // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Streamlines around Joukowsky airfoil"));
  QFont font = QApplication::font();
  font.setPointSizeF(kDefaultPointSize);
  setFont(font);
  messageSink_ = [this](const QString& message) { ShowWarning(message); };

  BuildControls();
  // Load: the constants and the section table, before the window is shown. Nothing is computed
  // or drawn until the first START or scroll-bar change.
  jouk::LoadInitialisation(st_);
  ConnectActions();
}

Form1::~Form1() = default;

void Form1::BuildControls() {
  Mn_About = menuBar()->addAction(QStringLiteral("About"));
  Mn_About->setObjectName(QStringLiteral("Mn_About"));

  // The client area below the menu bar; nothing in it moves when the window is resized.
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("Form1_Client"));
  setCentralWidget(client);

  // Section and flow: thickness, camber, angle of attack, Kutta-condition factor.
  Frame1 = MakeFrame(client, "Frame1", TwipRect(120, 120, 2895, 1935),
                     QStringLiteral("Section and flow parameters"));
  const QString thickness = QStringLiteral("Relative thickness");
  const QString camber = QStringLiteral("Relative camber");
  const QString angle = QStringLiteral("Angle of attack (degrees)");
  const QString kutta = QStringLiteral("Kutta condition factor");
  Label1 = MakeLabel(Frame1, "Label1", QStringLiteral("δ ="), TwipRect(600, 360, 375, 255));
  Text_DELTA = MakeTextBox(Frame1, "Text_DELTA", QStringLiteral("0.12"),
                           TwipRect(960, 360, 495, 285), thickness);
  HScroll_Delta = MakeScrollBar(Frame1, "HScroll_Delta", TwipRect(1440, 360, 1215, 255),
                                {1, 30, 12, 1, 1}, thickness);
  Label2 = MakeLabel(Frame1, "Label2", QStringLiteral("γ ="), TwipRect(600, 720, 375, 255));
  Text_GAMA = MakeTextBox(Frame1, "Text_GAMA", QStringLiteral("0.02"), TwipRect(960, 720, 495, 285),
                          camber);
  HScroll_Gama = MakeScrollBar(Frame1, "HScroll_Gama", TwipRect(1440, 720, 1215, 255),
                               {0, 14, 2, 1, 1}, camber);
  Label5 = MakeLabel(Frame1, "Label5", QStringLiteral("α ="), TwipRect(600, 1080, 255, 255));
  Text_Alfa =
      MakeTextBox(Frame1, "Text_Alfa", QStringLiteral("5"), TwipRect(960, 1080, 495, 285), angle);
  HScroll_Alfa = MakeScrollBar(Frame1, "HScroll_Alfa", TwipRect(1440, 1080, 1215, 255),
                               {-10, 30, 5, 1, 5}, angle);
  Label6 =
      MakeLabel(Frame1, "Label6", QStringLiteral("Kutta condition"), TwipRect(240, 1320, 735, 375));
  Label6->setWordWrap(true);  // "Kutta" above "condition"
  Text_iKutta =
      MakeTextBox(Frame1, "Text_iKutta", QStringLiteral("1"), TwipRect(960, 1440, 495, 285), kutta);
  HScroll_iKutta = MakeScrollBar(Frame1, "HScroll_iKutta", TwipRect(1440, 1440, 1215, 255),
                                 {0, 10, 10, 1, 1}, kutta);

  // Streamlines and view: stream-function step, number of streamlines, scale, radial step.
  Frame2 = MakeFrame(client, "Frame2", TwipRect(120, 2040, 2895, 1935),
                     QStringLiteral("Streamline and view parameters"));
  const QString step = QStringLiteral("Stream-function step between streamlines");
  const QString count = QStringLiteral("Number of streamlines");
  const QString scale = QStringLiteral("Plot scale (half the plot width)");
  Label7 = MakeLabel(Frame2, "Label7", QStringLiteral("Δψ ="), TwipRect(360, 360, 375, 255));
  Text_dPsi =
      MakeTextBox(Frame2, "Text_dPsi", QStringLiteral("0.07"), TwipRect(840, 360, 495, 285), step);
  HScroll_dPsi =
      MakeScrollBar(Frame2, "HScroll_dPsi", TwipRect(1320, 360, 1455, 255), {1, 10, 7, 1, 1}, step);
  Label9 = MakeLabel(Frame2, "Label9", QStringLiteral("nSL ="), TwipRect(240, 720, 495, 255));
  Text_kMax =
      MakeTextBox(Frame2, "Text_kMax", QStringLiteral("10"), TwipRect(840, 720, 495, 285), count);
  HScroll_kMax = MakeScrollBar(Frame2, "HScroll_kMax", TwipRect(1320, 720, 1455, 255),
                               {2, 10, 10, 2, 2}, count);
  Label4 = MakeLabel(Frame2, "Label4", QStringLiteral("Scale ="), TwipRect(120, 1080, 615, 255));
  Text_Olcek =
      MakeTextBox(Frame2, "Text_Olcek", QStringLiteral("1"), TwipRect(840, 1080, 495, 285), scale);
  HScroll_Olcek = MakeScrollBar(Frame2, "HScroll_Olcek", TwipRect(1320, 1080, 1455, 255),
                                {5, 30, 10, 1, 5}, scale);
  Label10 = MakeLabel(Frame2, "Label10", QStringLiteral("dR ="), TwipRect(360, 1440, 375, 255));
  Text_dR = MakeTextBox(Frame2, "Text_dR", QStringLiteral("0.01"), TwipRect(840, 1440, 495, 285),
                        QStringLiteral("Radial marching step"));

  Label1->setBuddy(Text_DELTA);
  Label2->setBuddy(Text_GAMA);
  Label5->setBuddy(Text_Alfa);
  Label6->setBuddy(Text_iKutta);
  Label7->setBuddy(Text_dPsi);
  Label9->setBuddy(Text_kMax);
  Label4->setBuddy(Text_Olcek);
  Label10->setBuddy(Text_dR);
  for (QLabel* label : {Label1, Label2, Label5, Label6, Label7, Label9, Label4, Label10}) {
    FitLabelToText(label);
  }

  Command_START =
      MakeButton(client, "Command_START", QStringLiteral("START"), TwipRect(480, 4440, 2175, 615),
                 QStringLiteral("Compute the flow and start the animation"));
  Command_STOP = MakeButton(client, "Command_STOP", QStringLiteral("STOP"),
                            TwipRect(480, 5280, 2175, 615), QStringLiteral("Stop the animation"));

  Picture3 = new PlotView(client);
  Picture3->setObjectName(QStringLiteral("Picture3"));
  Picture3->setGeometry(TwipRect(3120, 240, 9000, 6000));
  Picture3->setFocusPolicy(Qt::StrongFocus);
  Picture3->setAccessibleName(QStringLiteral("Streamline plot"));

  // Idle until the first start: interval zero, not running.
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(0);

  QWidget* const tabOrder[] = {
      Text_DELTA,   Text_GAMA,    Text_Alfa,     Text_iKutta,    Text_kMax,     Text_dPsi,
      Text_Olcek,   Text_dR,      HScroll_Alfa,  HScroll_iKutta, HScroll_Delta, HScroll_Gama,
      HScroll_kMax, HScroll_dPsi, HScroll_Olcek, Picture3,       Command_START, Command_STOP};
  for (std::size_t k = 1; k < std::size(tabOrder); ++k) {
    setTabOrder(tabOrder[k - 1], tabOrder[k]);
  }
  Text_DELTA->setFocus();

  // The client area is 12300 × 6420 twips below the menu bar.
  resize(TwipsToPixels(kClientWidthTwips),
         TwipsToPixels(kClientHeightTwips) + menuBar()->sizeHint().height());
}

void Form1::ConnectActions() {
  const struct {
    QScrollBar* bar;
    QLineEdit* text;
    double divisor;  // v = p / divisor; 1 for the bars whose value is the position itself
  } bindings[] = {{HScroll_Delta, Text_DELTA, 100.0}, {HScroll_Gama, Text_GAMA, 100.0},
                  {HScroll_Alfa, Text_Alfa, 1.0},     {HScroll_iKutta, Text_iKutta, 10.0},
                  {HScroll_dPsi, Text_dPsi, 100.0},   {HScroll_kMax, Text_kMax, 1.0},
                  {HScroll_Olcek, Text_Olcek, 10.0}};
  for (const auto& b : bindings) {
    QLineEdit* const text = b.text;
    const double divisor = b.divisor;
    connect(b.bar, &QScrollBar::valueChanged, this,
            [this, text, divisor](int p) { ParameterChange(text, p, divisor); });
  }
  connect(Command_START, &QPushButton::clicked, this, &Form1::Command_START_Click);
  connect(Command_STOP, &QPushButton::clicked, this, &Form1::Command_STOP_Click);
  connect(Mn_About, &QAction::triggered, this, &Form1::Mn_About_Click);
  connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
}

void Form1::SetMessageSink(MessageSink sink) {
  messageSink_ = std::move(sink);
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
  jouk::ParameterTexts texts;
  texts.Delta = Text_DELTA->text().toStdString();
  texts.Gama = Text_GAMA->text().toStdString();
  texts.Alfa = Text_Alfa->text().toStdString();
  texts.iKutta = Text_iKutta->text().toStdString();
  texts.Olcek = Text_Olcek->text().toStdString();
  texts.dPsi = Text_dPsi->text().toStdString();
  texts.kMax = Text_kMax->text().toStdString();
  texts.dR = Text_dR->text().toStdString();
  const jouk::RecomputeStatus status = jouk::Recompute(st_, texts);
  if (status.ok) return true;
  // Every parameter bar was made by MakeScrollBar.
  for (QScrollBar* bar : {HScroll_Delta, HScroll_Gama, HScroll_Alfa, HScroll_iKutta, HScroll_dPsi,
                          HScroll_kMax, HScroll_Olcek}) {
    static_cast<ParameterScrollBar*>(bar)->EndRepeat();
  }
  if (messageSink_) messageSink_(QString::fromStdString(status.message));
  return false;
}

void Form1::Başla() {
  jouk::PrepareAnimation(st_);
  // Background colour, world window from Olcek and the contour in red.
  jouk::DrawStartPicture(*Picture3, st_);
  Picture3->update();

  Timer1->setInterval(jouk::kTickIntervalMs);
  jouk::ResetAnimationClock(st_, Timer1->interval());
  Timer1->start();
}

void Form1::Timer1_Timer() {
  jouk::DrawAnimationTick(*Picture3, st_);
  Picture3->update();
}

void Form1::ParameterChange(QLineEdit* text, int p, double divisor) {
  // The text box is the store of the parameter: hesapla reads the value back from it, exactly,
  // and only a recompute that succeeds writes the flow store, so a rejected parameter set leaves
  // the running animation with a store that agrees with its solution.
  text->setText(QString::fromStdString(jouk::NumberToText(p / divisor)));
  if (!hesapla()) return;
  Picture3->Cls();
  Başla();
}

void Form1::Command_START_Click() {
  if (!hesapla()) return;
  Picture3->Cls();
  Başla();
}

void Form1::Command_STOP_Click() {
  Timer1->stop();
}

void Form1::Mn_About_Click() {
  if (!about_) about_ = std::make_unique<Form_About>();
  about_->show();
  about_->raise();
  about_->activateWindow();
}

void Form1::closeEvent(QCloseEvent* event) {
  // A closed main window animates no more, even while the About window keeps the program alive.
  Timer1->stop();
  QMainWindow::closeEvent(event);
}
