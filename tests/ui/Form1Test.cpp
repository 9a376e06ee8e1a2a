// The main window: its layout, start-up, the actions of its controls, the animation and the
// pictures it draws.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "model/NumberText.hpp"
#include "model/Recompute.hpp"
#include "tests/ui/UiTestSupport.hpp"
#include "ui/Form1.hpp"
#include "ui/PlotView.hpp"

namespace {

// A window whose rejected parameter sets are collected instead of shown in a box.
struct Window : CollectingWindow {
  template <class T>
  T* child(const char* name) {
    return Child<T>(form, name);
  }
  PlotView* picture() { return child<PlotView>("Picture3"); }
  QTimer* timer() { return child<QTimer>("Timer1"); }
  const jouk::FlowState& state() const { return Store(form); }
  void step(const char* bar, QAbstractSlider::SliderAction action) {
    child<QScrollBar>(bar)->triggerAction(action);
  }
  void type(const char* box, const QString& text) {
    QLineEdit* edit = child<QLineEdit>(box);
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  bool running() { return timer()->isActive() && timer()->interval() == 10; }
};

double StoreField(const jouk::FlowState& st, const QString& name) {
  if (name == QLatin1String("Alfa")) return st.Alfa;
  if (name == QLatin1String("iKutta")) return st.iKutta;
  if (name == QLatin1String("dPsi")) return st.dPsi;
  if (name == QLatin1String("kMax")) return st.kMax;
  if (name == QLatin1String("Olcek")) return st.Olcek;
  return std::nan("");
}

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void captionMenuAndClientArea() {
    Window w;
    w.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    QCOMPARE(w.form.windowTitle(), QStringLiteral("Streamlines around Joukowsky airfoil"));
    QCOMPARE(w.form.centralWidget()->size(), QSize(820, 428));
    const QList<QAction*> items = w.form.menuBar()->actions();
    QCOMPARE(items.size(), 1);
    QCOMPARE(items[0]->objectName(), QStringLiteral("Mn_About"));
    QCOMPARE(items[0]->text(), QStringLiteral("About"));
    QVERIFY(items[0]->menu() == nullptr);  // triggers directly, no submenu
  }

  void controlGeometryStaysWhenEnlarged_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Frame1") << "Frame1"
                            << "Form1_Client" << QRect(8, 8, 193, 129);
    QTest::newRow("Text_DELTA") << "Text_DELTA"
                                << "Frame1" << QRect(64, 24, 33, 19);
    QTest::newRow("HScroll_Delta") << "HScroll_Delta"
                                   << "Frame1" << QRect(96, 24, 81, 17);
    QTest::newRow("Label6") << "Label6"
                            << "Frame1" << QRect(16, 88, 49, 25);
    QTest::newRow("Text_iKutta") << "Text_iKutta"
                                 << "Frame1" << QRect(64, 96, 33, 19);
    QTest::newRow("Frame2") << "Frame2"
                            << "Form1_Client" << QRect(8, 136, 193, 129);
    QTest::newRow("HScroll_kMax") << "HScroll_kMax"
                                  << "Frame2" << QRect(88, 48, 97, 17);
    QTest::newRow("Text_dR") << "Text_dR"
                             << "Frame2" << QRect(56, 96, 33, 19);
    QTest::newRow("Command_START") << "Command_START"
                                   << "Form1_Client" << QRect(32, 296, 145, 41);
    QTest::newRow("Command_STOP") << "Command_STOP"
                                  << "Form1_Client" << QRect(32, 352, 145, 41);
    QTest::newRow("Picture3") << "Picture3"
                              << "Form1_Client" << QRect(208, 16, 600, 400);
  }
  void controlGeometryStaysWhenEnlarged() {
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);
    Window w;
    w.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    QWidget* control = w.child<QWidget>(qPrintable(name));
    QCOMPARE(control->parentWidget()->objectName(), container);
    QCOMPARE(control->geometry(), geometry);
    w.form.resize(1400, 900);
    QApplication::processEvents();
    QCOMPARE(control->geometry(), geometry);
  }

  void captionsAndStartTexts() {
    Window w;
    const std::pair<const char*, const char*> texts[] = {
        {"Text_DELTA", "0.12"}, {"Text_GAMA", "0.02"}, {"Text_Alfa", "5"},  {"Text_iKutta", "1"},
        {"Text_Olcek", "1"},    {"Text_dPsi", "0.07"}, {"Text_kMax", "10"}, {"Text_dR", "0.01"}};
    for (const auto& [box, text] : texts) {
      QCOMPARE(w.child<QLineEdit>(box)->text(), QString::fromLatin1(text));
      QVERIFY(!w.child<QLineEdit>(box)->accessibleName().isEmpty());
    }
    const std::pair<const char*, const char*> labels[] = {
        {"Label1", "δ ="},   {"Label2", "γ ="},
        {"Label5", "α ="},   {"Label7", "Δψ ="},
        {"Label9", "nSL ="}, {"Label4", "Scale ="},
        {"Label10", "dR ="}, {"Label6", "Kutta condition"}};
    for (const auto& [name, caption] : labels) {
      QLabel* label = w.child<QLabel>(name);
      QCOMPARE(label->text(), QString::fromUtf8(caption));
      // Nothing is clipped: a caption fits its label, a wrapping one word by word.
      const QFontMetrics metrics(label->font());
      for (const QString& word : label->text().split(' ')) {
        QVERIFY2(metrics.horizontalAdvance(label->wordWrap() ? word : label->text()) <=
                     label->contentsRect().width(),
                 name);
      }
    }
    // "Kutta" above "condition": the caption is too wide for one line and wraps.
    QLabel* kutta = w.child<QLabel>("Label6");
    QVERIFY(kutta->wordWrap());
    QVERIFY(QFontMetrics(kutta->font()).horizontalAdvance(kutta->text()) > kutta->width());
    QCOMPARE(w.child<QGroupBox>("Frame1")->title(), QString());
    QCOMPARE(w.child<QGroupBox>("Frame2")->title(), QString());
    QCOMPARE(w.child<QLineEdit>("Text_dR")->font().pointSizeF(), 8.25);
    QCOMPARE(w.child<QPushButton>("Command_START")->text(), QStringLiteral("START"));
    QCOMPARE(w.child<QPushButton>("Command_STOP")->text(), QStringLiteral("STOP"));
    QCOMPARE(w.child<QScrollBar>("HScroll_Alfa")->accessibleName(),
             QStringLiteral("Angle of attack (degrees)"));
  }

  void scrollBarRanges_data() {
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("arrow");
    QTest::addColumn<int>("page");
    QTest::newRow("Delta") << "HScroll_Delta" << 1 << 30 << 12 << 1 << 1;
    QTest::newRow("Gama") << "HScroll_Gama" << 0 << 14 << 2 << 1 << 1;
    QTest::newRow("Alfa") << "HScroll_Alfa" << -10 << 30 << 5 << 1 << 5;
    QTest::newRow("iKutta") << "HScroll_iKutta" << 0 << 10 << 10 << 1 << 1;
    QTest::newRow("dPsi") << "HScroll_dPsi" << 1 << 10 << 7 << 1 << 1;
    QTest::newRow("kMax") << "HScroll_kMax" << 2 << 10 << 10 << 2 << 2;
    QTest::newRow("Olcek") << "HScroll_Olcek" << 5 << 30 << 10 << 1 << 5;
  }
  void scrollBarRanges() {
    QFETCH(QString, bar);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, start);
    QFETCH(int, arrow);
    QFETCH(int, page);
    Window w;
    QScrollBar* s = w.child<QScrollBar>(qPrintable(bar));
    QCOMPARE(s->orientation(), Qt::Horizontal);
    QCOMPARE(s->minimum(), minimum);
    QCOMPARE(s->maximum(), maximum);
    QCOMPARE(s->value(), start);
    QCOMPARE(s->singleStep(), arrow);
    QCOMPARE(s->pageStep(), page);
    QVERIFY(!s->accessibleName().isEmpty());
  }

  void tabOrderStartsInThicknessBox() {
    Window w;
    w.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    const char* order[] = {"Text_DELTA",    "Text_GAMA",      "Text_Alfa",     "Text_iKutta",
                           "Text_kMax",     "Text_dPsi",      "Text_Olcek",    "Text_dR",
                           "HScroll_Alfa",  "HScroll_iKutta", "HScroll_Delta", "HScroll_Gama",
                           "HScroll_kMax",  "HScroll_dPsi",   "HScroll_Olcek", "Picture3",
                           "Command_START", "Command_STOP",   "Text_DELTA"};
    QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(order[0]));
    for (std::size_t k = 1; k < std::size(order); ++k) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(order[k]));
    }
  }

  void startUpComputesAndDrawsNothing() {
    Window w;
    w.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    QApplication::processEvents();
    const jouk::FlowState& st = w.state();
    QCOMPARE(st.nTable, 496);  // the load ran
    QCOMPARE(st.Pi, 3.141592653589793);
    QVERIFY(st.nPts.empty());  // nothing solved
    QCOMPARE(st.Olcek, 0.0);
    QCOMPARE(st.anim.tAnim, 0.0);
    QVERIFY(!w.timer()->isActive());
    QCOMPARE(w.timer()->interval(), 0);
    const QImage image = w.picture()->image();
    const QRgb window = w.picture()->palette().color(QPalette::Window).rgb();
    for (int r = 0; r < image.height(); r += 7) {
      for (int c = 0; c < image.width(); c += 7) QCOMPARE(image.pixel(c, r), window);
    }
    // STOP before any start changes nothing.
    w.child<QPushButton>("Command_STOP")->click();
    QVERIFY(st.nPts.empty());
    QCOMPARE(w.picture()->image(), image);
  }

  void scrollBarChangeWritesTextAndRecomputes_data() {
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("value");
    using A = QAbstractSlider;
    QTest::newRow("Delta max") << "HScroll_Delta" << int(A::SliderToMaximum) << "0.3"
                               << "" << 0.0;
    QTest::newRow("Delta arrow") << "HScroll_Delta" << int(A::SliderSingleStepSub) << "0.11"
                                 << "" << 0.0;
    QTest::newRow("Gama min") << "HScroll_Gama" << int(A::SliderToMinimum) << "0"
                              << "" << 0.0;
    QTest::newRow("Alfa min") << "HScroll_Alfa" << int(A::SliderToMinimum) << "-10"
                              << "Alfa" << -10.0;
    QTest::newRow("Alfa arrow") << "HScroll_Alfa" << int(A::SliderSingleStepAdd) << "6"
                                << "Alfa" << 6.0;
    QTest::newRow("Alfa page") << "HScroll_Alfa" << int(A::SliderPageStepAdd) << "10"
                               << "Alfa" << 10.0;
    QTest::newRow("iKutta arrow") << "HScroll_iKutta" << int(A::SliderSingleStepSub) << "0.9"
                                  << "iKutta" << 0.9;
    QTest::newRow("iKutta page") << "HScroll_iKutta" << int(A::SliderPageStepSub) << "0.9"
                                 << "iKutta" << 0.9;
    QTest::newRow("dPsi page") << "HScroll_dPsi" << int(A::SliderPageStepAdd) << "0.08"
                               << "dPsi" << 0.08;
    QTest::newRow("Olcek min") << "HScroll_Olcek" << int(A::SliderToMinimum) << "0.5"
                               << "Olcek" << 0.5;
    QTest::newRow("Olcek arrow") << "HScroll_Olcek" << int(A::SliderSingleStepAdd) << "1.1"
                                 << "Olcek" << 1.1;
    QTest::newRow("Olcek page") << "HScroll_Olcek" << int(A::SliderPageStepAdd) << "1.5"
                                << "Olcek" << 1.5;
  }
  void scrollBarChangeWritesTextAndRecomputes() {
    QFETCH(QString, bar);
    QFETCH(int, action);
    QFETCH(QString, text);
    QFETCH(QString, field);
    QFETCH(double, value);
    Window w;
    QScrollBar* s = w.child<QScrollBar>(qPrintable(bar));
    s->triggerAction(QAbstractSlider::SliderAction(action));
    QLineEdit* box = nullptr;
    for (QLineEdit* e : s->parentWidget()->findChildren<QLineEdit*>()) {
      if (e->y() == s->y()) box = e;  // the text box of the same row
    }
    QVERIFY(box != nullptr);
    QCOMPARE(box->text(), text);
    QVERIFY(w.messages.isEmpty());
    const jouk::FlowState& st = w.state();
    if (!field.isEmpty()) QCOMPARE(StoreField(st, field), value);
    // Recomputed from every text box, and started: contour drawn, animation running from 0.
    QCOMPARE(st.nPts.size(), std::size_t(11));
    const double delta = jouk::TextToNumber(w.child<QLineEdit>("Text_DELTA")->text().toStdString());
    const double gama = jouk::TextToNumber(w.child<QLineEdit>("Text_GAMA")->text().toStdString());
    const int row = jouk::FindSectionRow(st, delta, gama);
    QVERIFY(row != 0);
    QCOMPARE(st.Eps, st.TabEps[row]);
    QCOMPARE(st.Mu, st.TabMu[row]);
    QVERIFY(w.running());
    QCOMPARE(st.anim.tAnim, 0.0);
    QCOMPARE(w.picture()->BackColor(), QColor(80, 80, 80));
  }

  void kMaxStepsByTwos() {
    Window w;
    QScrollBar* bar = w.child<QScrollBar>("HScroll_kMax");
    for (int k : {8, 6, 4, 2}) {
      bar->triggerAction(k == 6 ? QAbstractSlider::SliderPageStepSub
                                : QAbstractSlider::SliderSingleStepSub);
      QCOMPARE(bar->value(), k);
      QCOMPARE(w.child<QLineEdit>("Text_kMax")->text(), QString::number(k));
      QCOMPARE(w.state().kMax, double(k));
      QCOMPARE(w.state().nPts.size(), std::size_t(k + 1));
      QCOMPARE(w.state().anim.kAnim, double(k));
    }
    // At the minimum another arrow step changes nothing and so recomputes nothing.
    w.child<QLineEdit>("Text_kMax")->setText(QStringLiteral("7"));
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(w.child<QLineEdit>("Text_kMax")->text(), QStringLiteral("7"));
    QCOMPARE(w.state().kMax, 2.0);
  }

  void dragReportsOnlyTheRelease() {
    Window w;
    QScrollBar* bar = w.child<QScrollBar>("HScroll_Alfa");
    bar->setSliderDown(true);
    bar->setSliderPosition(12);
    bar->setSliderPosition(20);
    QCOMPARE(w.child<QLineEdit>("Text_Alfa")->text(), QStringLiteral("5"));
    QVERIFY(w.state().nPts.empty());
    bar->setSliderDown(false);
    QCOMPARE(w.child<QLineEdit>("Text_Alfa")->text(), QStringLiteral("20"));
    QCOMPARE(w.state().Alfa, 20.0);
    QVERIFY(w.running());
  }

  void keyboardStepOnFocusedBar() {
    Window w;
    w.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    QScrollBar* bar = w.child<QScrollBar>("HScroll_Alfa");
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(w.child<QLineEdit>("Text_Alfa")->text(), QStringLiteral("6"));
    QCOMPARE(w.state().Alfa, 6.0);
    QTest::keyClick(bar, Qt::Key_PageDown);
    QCOMPARE(w.child<QLineEdit>("Text_Alfa")->text(), QStringLiteral("11"));
    QTest::keyClick(bar, Qt::Key_Left);
    QCOMPARE(w.child<QLineEdit>("Text_Alfa")->text(), QStringLiteral("10"));
    QTest::keyClick(bar, Qt::Key_PageUp);
    QCOMPARE(w.child<QLineEdit>("Text_Alfa")->text(), QStringLiteral("5"));
    QTest::keyClick(bar, Qt::Key_Home);
    QCOMPARE(w.child<QLineEdit>("Text_Alfa")->text(), QStringLiteral("-10"));
    QCOMPARE(w.state().Alfa, -10.0);
  }

  void typedThicknessServesTheNextAlfaMove() {
    Window w;
    w.type("Text_DELTA", QStringLiteral("0.2"));
    QVERIFY(w.state().nPts.empty());  // typing alone computes nothing
    w.step("HScroll_Alfa", QAbstractSlider::SliderSingleStepAdd);
    const jouk::FlowState& st = w.state();
    const int row = jouk::FindSectionRow(st, 0.2, 0.02);
    QVERIFY(row != 0);
    QCOMPARE(st.Eps, st.TabEps[row]);
    QCOMPARE(st.Mu, st.TabMu[row]);
    QCOMPARE(w.child<QLineEdit>("Text_DELTA")->text(), QStringLiteral("0.2"));
    QCOMPARE(w.child<QScrollBar>("HScroll_Delta")->value(), 12);
  }

  void startRestartsTheAnimation() {
    Window w;
    w.child<QPushButton>("Command_START")->click();
    const jouk::FlowState& st = w.state();
    QVERIFY(w.running());
    QCOMPARE(st.anim.tAnim, 0.0);
    QCOMPARE(st.anim.dtAnim, 0.1);
    QCOMPARE(st.anim.kAnim, 10.0);
    QTRY_VERIFY(st.anim.tAnim > 0);  // the timer is wired to the tick
    w.child<QPushButton>("Command_START")->click();
    QCOMPARE(st.anim.tAnim, 0.0);
    QVERIFY(w.running());
    // After STOP a scroll-bar change starts again too.
    w.child<QPushButton>("Command_STOP")->click();
    QVERIFY(!w.timer()->isActive());
    w.step("HScroll_dPsi", QAbstractSlider::SliderSingleStepSub);
    QVERIFY(w.running());
    QCOMPARE(st.anim.tAnim, 0.0);
  }

  // After START and a few ticks: the dark background, the red contour where the model's points
  // map to, light-grey lines along the streamlines; STOP freezes the picture.
  void pictureAfterStartAndTicks() {
    Window w;
    w.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    w.child<QPushButton>("Command_START")->click();
    const jouk::FlowState& st = w.state();
    w.timer()->stop();
    for (int tick = 0; tick < 4; ++tick) w.form.Timer1_Timer();
    w.child<QPushButton>("Command_STOP")->click();
    QApplication::processEvents();
    const QImage shot = w.picture()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot, w.picture()->image());

    int background = 0;
    for (int r = 0; r < shot.height(); ++r) {
      for (int c = 0; c < shot.width(); ++c) {
        const QRgb p = shot.pixel(c, r);
        QVERIFY(p == kBackground || p == kContour || p == kStreamline);
        background += p == kBackground;
      }
    }
    QVERIFY(background > 600 * 400 * 8 / 10);
    QCOMPARE(shot.pixel(0, 0), kBackground);

    // The contour: most of its points show red; the rest were crossed by the animation.
    int contourPoints = 0, red = 0;
    for (int j = 1; j <= st.nPts[0]; ++j) {
      const auto at = PlotPixel(st.Olcek, st.XS(0, j), st.YS(0, j));
      QVERIFY(at.has_value());
      ++contourPoints;
      red += shot.pixel(at->column, at->row) == kContour;
    }
    QCOMPARE(contourPoints, 51);
    QVERIFY2(red >= 40, qPrintable(QString::number(red)));

    // Every point of both rippled lines of every streamline is light grey: they are drawn last.
    int grey = 0;
    for (int i = 1; i <= 10; ++i) {
      for (int j = 1; j <= st.nPts[i]; ++j) {
        for (double y : {st.YAnim1(i, j), st.YAnim2(i, j)}) {
          const auto at = PlotPixel(st.Olcek, st.XS(i, j), y);
          if (!at) continue;
          QCOMPARE(shot.pixel(at->column, at->row), kStreamline);
          ++grey;
        }
      }
    }
    QVERIFY(grey > 1000);

    QVERIFY(!w.timer()->isActive());
    QCOMPARE(w.picture()->grab().toImage().convertToFormat(QImage::Format_RGB32), shot);
  }

  void aboutTwiceLeavesOneWindow() {
    Window w;
    w.form.show();
    QAction* about = w.child<QAction>("Mn_About");
    about->trigger();
    about->trigger();
    int count = 0;
    QPointer<QWidget> window = TopLevel("Form_About", &count);
    QCOMPARE(count, 1);
    QVERIFY(window->parentWidget() == nullptr);  // no owner
    QVERIFY(!window->isModal());
    QVERIFY(w.form.isEnabled());
    // The animation goes on while the About window is open.
    w.child<QPushButton>("Command_START")->click();
    QVERIFY(w.running());
    w.form.Timer1_Timer();
    QCOMPARE(w.state().anim.tAnim, 0.1);
    // Closed by the user, shown again on the next choice: the same window.
    window->close();
    QVERIFY(!window.isNull());
    QVERIFY(!window->isVisible());
    about->trigger();
    QCOMPARE(TopLevel("Form_About", &count), window.data());
    QCOMPARE(count, 1);
    // Both windows count for the end of the program.
    QVERIFY(QApplication::quitOnLastWindowClosed());
    QVERIFY(!window->testAttribute(Qt::WA_DeleteOnClose));
    // Closing the main window ends its animation; the About window stays open.
    w.form.close();
    QVERIFY(!w.timer()->isActive());
    QVERIFY(window->isVisible());
  }

  void rejectedParametersKeepThePreviousSolution_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("negative dR") << "Text_dR"
                                 << "-1"
                                 << "dR must be a positive number.";
    QTest::newRow("scale not a number") << "Text_Olcek"
                                        << "abc"
                                        << "Scale must be a positive number.";
    QTest::newRow("too many streamlines") << "Text_kMax"
                                          << "25"
                                          << "nSL must be a number from 2 to 20.";
    QTest::newRow("comma decimal") << "Text_dPsi"
                                   << "0,05"
                                   << "Δψ must be a positive number.";
  }
  void rejectedParametersKeepThePreviousSolution() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Window w;
    w.child<QPushButton>("Command_START")->click();
    w.form.Timer1_Timer();
    w.form.Timer1_Timer();
    const auto before = std::make_unique<jouk::FlowState>(w.state());
    const QImage picture = w.picture()->image();

    w.type(qPrintable(box), text);
    w.step("HScroll_Alfa", QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(w.messages, QStringList{message});
    QCOMPARE(w.child<QLineEdit>("Text_Alfa")->text(), QStringLiteral("6"));  // the new text stays
    QCOMPARE(w.child<QLineEdit>(qPrintable(box))->text(), text);
    QVERIFY(w.state() == *before);            // not recomputed, not restarted
    QCOMPARE(w.picture()->image(), picture);  // not cleared
    QVERIFY(w.running());

    w.child<QPushButton>("Command_START")->click();
    QCOMPARE(w.messages.size(), 2);
    QVERIFY(w.state() == *before);
    // The animation goes on with the previous solution.
    QVERIFY(w.running());
    w.form.Timer1_Timer();
    QCOMPARE(w.state().anim.tAnim, before->anim.tAnim + before->anim.dtAnim);
    QVERIFY(w.state().XS == before->XS && w.state().nPts == before->nPts);
  }

  void rejectionIsShownInAWarningBox() {
    Form1 form;
    form.show();
    Child<QLineEdit>(form, "Text_dR")->setText(QStringLiteral("0"));
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    const auto answer = [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return false;
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      box->accept();
      return true;
    };
    QTimer poll;
    connect(&poll, &QTimer::timeout, &poll, [&] {
      if (answer()) poll.stop();
    });
    poll.start(10);
    Child<QPushButton>(form, "Command_START")->click();  // returns once the box is answered
    QCOMPARE(title, QStringLiteral("Streamlines around Joukowsky airfoil"));
    QCOMPARE(text, QStringLiteral("dR must be a positive number."));
    QCOMPARE(icon, QMessageBox::Warning);
    QVERIFY(Store(form).nPts.empty());
    QVERIFY(!Child<QTimer>(form, "Timer1")->isActive());
  }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
