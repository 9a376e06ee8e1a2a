// The lift window: its hint before any result, the figures of a result, the note for a left-out
// edge, and the pressure plot drawn at device pixel ratios 1 and 2 with two curve colours.
#include <QLabel>
#include <QPixmap>
#include <QtTest>

#include "model/Aerodynamics.hpp"
#include "ui/Form_Lift.hpp"
#include "ui/PressurePlot.hpp"
#include "tests/ui/UiTestSupport.hpp"

namespace {

jouk::LiftAndPressure Solve(const jouk::ParameterTexts& texts) {
  jouk::FlowState st;
  jouk::LoadInitialisation(st);
  if (!jouk::Recompute(st, texts).ok) qFatal("parameter set rejected");
  return jouk::ComputeLiftAndPressure(st);
}

// Pixels of exactly this colour in the image.
int CountColour(const QImage& image, QColor colour) {
  const QRgb want = colour.rgb();
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      n += (image.pixel(x, y) & 0xffffff) == (want & 0xffffff);
  }
  return n;
}

}  // namespace

class LiftWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void hintBeforeAnyResult() {
    Form_Lift window;
    QVERIFY(window.isWindow());
    QCOMPARE(window.parent(), nullptr);
    QCOMPARE(window.windowTitle(), QStringLiteral("Lift and pressure"));
    QVERIFY(Child<QLabel>(window, "Label_Note")->text().contains("Press START"));
    QCOMPARE(Child<QLabel>(window, "Value_Lift")->text(), QStringLiteral("—"));
  }

  void figuresShowTheNumbers() {
    Form_Lift window;
    const jouk::LiftAndPressure r = Solve(jouk::ParameterTexts{});
    window.ShowResult(r);
    const QString gamma = Child<QLabel>(window, "Value_Circulation")->text();
    const QString lift = Child<QLabel>(window, "Value_Lift")->text();
    QCOMPARE(gamma, QStringLiteral("0.435883"));
    QCOMPARE(lift.toDouble(), Form_Lift::FigureText(r.liftCoefficient).toDouble());
    QVERIFY(std::fabs(lift.toDouble() - r.liftCoefficient) <= 5e-6 * r.liftCoefficient);
    QVERIFY(Child<QLabel>(window, "Label_Note")->text().isEmpty());
    QCOMPARE(Form_Lift::FigureText(-0.0), QStringLiteral("0"));

    // A Kutta factor other than 1 leaves the trailing edge out and says so; a failed result
    // says why; ShowNothingYet brings the hint back.
    window.ShowResult(Solve(jouk::ParameterTexts{.iKutta = "0.5"}));
    QVERIFY(Child<QLabel>(window, "Label_Note")->text().contains("trailing edge"));
    jouk::LiftAndPressure failed;
    failed.error = "No flow has been computed yet.";
    window.ShowResult(failed);
    QVERIFY(Child<QLabel>(window, "Label_Note")
                ->text()
                .endsWith(QStringLiteral("No flow has been computed yet.")));
    QCOMPARE(Child<QLabel>(window, "Value_Circulation")->text(), QStringLiteral("—"));
    window.ShowNothingYet();
    QVERIFY(Child<QLabel>(window, "Label_Note")->text().contains("Press START"));
  }

  void plotDrawsBothCurvesAtEveryPixelRatio() {
    Form_Lift window;
    window.ShowResult(Solve(jouk::ParameterTexts{}));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* plot = Child<PressurePlot>(window, "PressurePlot");
    QVERIFY(PressurePlot::UpperColour() != PressurePlot::LowerColour());
    // −Cp runs from −1 (stagnation) to the suction peak, all of it shown.
    QVERIFY(plot->Bottom() <= -1 && plot->Top() >= 1.9 && !plot->PeakCut());

    const QImage one = plot->grab().toImage();
    QCOMPARE(one.size(), plot->size());
    QPixmap pixmap(plot->size() * 2);
    pixmap.setDevicePixelRatio(2);
    plot->render(&pixmap);
    const QImage two = pixmap.toImage();
    QCOMPARE(two.size(), plot->size() * 2);
    for (const QImage& image : {one, two}) {
      QVERIFY(CountColour(image, PressurePlot::UpperColour()) > 50);
      QVERIFY(CountColour(image, PressurePlot::LowerColour()) > 50);
    }

    // A flat plate's unbounded nose: the peak is cut so the rest stays readable.
    window.ShowResult(Solve(jouk::ParameterTexts{.Delta = "0", .Gama = "0", .Alfa = "10"}));
    QVERIFY(plot->PeakCut());
    QVERIFY(plot->Top() < 20);
    QVERIFY(!plot->grab().isNull());
  }
};

QTEST_MAIN(LiftWindowTest)
#include "LiftWindowTest.moc"
