// The window's animation tick against a plain rendering of the same frames: the formulas with one
// std::sin or std::cos per evaluation and one PlotView::Line per segment, in the order erase
// segment of line 1, erase segment of line 2, …, update, draw likewise. After every tick the two
// pictures must agree pixel for pixel and the displaced lines bit for bit.
#include <QtTest>
#include <cmath>
#include <cstring>
#include <memory>

#include "model/Mdl_Common.hpp"
#include "model/Recompute.hpp"
#include "tests/ui/UiTestSupport.hpp"
#include "ui/Form1.hpp"
#include "ui/PlotView.hpp"

namespace {

// The argument handed back through a volatile, so that the compiler cannot merge the sine and
// the cosine of the ripple into one call.
double Opaque(double a) {
  volatile double v = a;
  return v;
}

// The rendering the window's tick must reproduce, with its own copy of the flow store.
struct Reference {
  PlotView view;
  std::unique_ptr<jouk::FlowState> st = std::make_unique<jouk::FlowState>();

  // A start of the window: the solution, the animation constants and the clock it set, the line
  // arrays as they were, the contour drawn segment by segment.
  void Start(const jouk::FlowState& window) {
    st->XS = window.XS;
    st->YS = window.YS;
    st->nPts = window.nPts;
    st->TwoPi = window.TwoPi;
    st->Olcek = window.Olcek;
    st->anim = window.anim;
    view.Canvas().SetBackColor(qRgb(80, 80, 80));
    const double olcek = st->Olcek;
    view.Canvas().Scale(-olcek, (2.0 / 3.0) * olcek, olcek, (-2.0 / 3.0) * olcek);
    for (int j = 2; j <= st->nPts[0]; ++j) {
      view.Canvas().Line(float(st->XS(0, j - 1)), float(st->YS(0, j - 1)), float(st->XS(0, j)),
                         float(st->YS(0, j)), kContour);
    }
  }

  int LastStreamline() const {
    return std::min(static_cast<int>(st->anim.kAnim), static_cast<int>(st->nPts.size()) - 1);
  }

  void Pass(QRgb colour) {
    for (int i = 1; i <= LastStreamline(); ++i) {
      for (int j = 2; j <= st->nPts[i]; ++j) {
        view.Canvas().Line(float(st->XS(i, j - 1)), float(st->YAnim1(i, j - 1)),
                           float(st->XS(i, j)), float(st->YAnim1(i, j)), colour);
        view.Canvas().Line(float(st->XS(i, j - 1)), float(st->YAnim2(i, j - 1)),
                           float(st->XS(i, j)), float(st->YAnim2(i, j)), colour);
      }
    }
  }

  void Tick() {
    jouk::AnimState& an = st->anim;
    an.tAnim = an.tAnim + an.dtAnim;
    Pass(kBackground);
    for (int i = 1; i <= LastStreamline(); ++i) {
      for (int j = 1; j <= st->nPts[i]; ++j) {
        const double x = st->XS(i, j);
        const double w =
            st->YS(i, j) + an.AmpLong * std::sin(st->TwoPi * (x / an.LenLong - an.tAnim));
        st->YAnim1(i, j) =
            w + an.AmpShort1 * std::sin(st->TwoPi * (Opaque(x) / an.LenShort - an.tAnim));
        st->YAnim2(i, j) =
            w + an.AmpShort2 * std::cos(st->TwoPi * (Opaque(x) / an.LenShort - an.tAnim));
      }
    }
    Pass(kStreamline);
  }
};

// The first pixel where two pictures differ, as text; empty when they agree.
QString FirstDifference(const QImage& actual, const QImage& expected) {
  if (actual.size() != expected.size()) return QStringLiteral("sizes differ");
  for (int r = 0; r < actual.height(); ++r) {
    for (int c = 0; c < actual.width(); ++c) {
      if (actual.pixel(c, r) != expected.pixel(c, r)) {
        return QStringLiteral("pixel %1,%2 is %3, expected %4")
            .arg(c)
            .arg(r)
            .arg(actual.pixel(c, r), 8, 16)
            .arg(expected.pixel(c, r), 8, 16);
      }
    }
  }
  return {};
}

bool SameBits(const jouk::PointGrid& a, const jouk::PointGrid& b) {
  const std::size_t bytes = sizeof(double) * jouk::PointGrid::kRows * jouk::PointGrid::kCols;
  return std::memcmp(a.Row(0), b.Row(0), bytes) == 0;
}

jouk::ParameterTexts Texts(const QString& name) {
  if (name == QLatin1String("heavy")) return HeavyTexts();
  if (name == QLatin1String("steep")) {  // outer streamlines leave through the top and bottom
    return {.Delta = "0.12",
            .Gama = "0.02",
            .Alfa = "30",
            .iKutta = "1",
            .Olcek = "1",
            .dPsi = "0.1",
            .kMax = "20",
            .dR = "0.01"};
  }
  if (name == QLatin1String("close")) {  // a small window, most points outside it
    return {.Delta = "0.2",
            .Gama = "0.06",
            .Alfa = "-10",
            .iKutta = "0.5",
            .Olcek = "0.5",
            .dPsi = "0.05",
            .kMax = "20",
            .dR = "0.002"};
  }
  return {};  // the start-up texts
}

}  // namespace

class TickPictureTest : public QObject {
  Q_OBJECT

 private slots:
  void ticksDrawTheFramesOfTheFormulas_data() {
    QTest::addColumn<QString>("before");  // texts of an earlier start, if any
    QTest::addColumn<QString>("texts");
    QTest::newRow("start-up, first start") << QString() << "startup";
    QTest::newRow("heavy, first start") << QString() << "heavy";
    QTest::newRow("heavy after start-up") << "startup"
                                          << "heavy";
    QTest::newRow("start-up after heavy") << "heavy"
                                          << "startup";
    QTest::newRow("steep, lines leave the window") << "startup"
                                                   << "steep";
    QTest::newRow("close, most points outside") << "heavy"
                                                << "close";
  }
  void ticksDrawTheFramesOfTheFormulas() {
    QFETCH(QString, before);
    QFETCH(QString, texts);
    Form1 form;
    PlotView* picture = Child<PlotView>(form, "Picture3");
    Reference reference;
    // An earlier run leaves its last frame in the line arrays: the first erase pass of the next
    // start paints at those heights.
    if (!before.isEmpty()) {
      StartWithTexts(form, Texts(before));
      reference.Start(Store(form));
      for (int tick = 0; tick < 7; ++tick) {
        form.Timer1_Timer();
        reference.Tick();
      }
    }
    StartWithTexts(form, Texts(texts));
    reference.Start(Store(form));
    QVERIFY(SameBits(Store(form).YAnim1, reference.st->YAnim1));
    QCOMPARE(FirstDifference(picture->image(), reference.view.image()), QString());
    for (int tick = 1; tick <= 30; ++tick) {
      form.Timer1_Timer();
      reference.Tick();
      QCOMPARE(Store(form).anim.tAnim, reference.st->anim.tAnim);
      QVERIFY2(SameBits(Store(form).YAnim1, reference.st->YAnim1),
               qPrintable(QString::number(tick)));
      QVERIFY2(SameBits(Store(form).YAnim2, reference.st->YAnim2),
               qPrintable(QString::number(tick)));
      const QString difference = FirstDifference(picture->image(), reference.view.image());
      QVERIFY2(difference.isEmpty(),
               qPrintable(QStringLiteral("tick %1: %2").arg(tick).arg(difference)));
    }
    // The frames drew something: streamlines in light grey over most of their points.
    int grey = 0;
    const QImage& image = picture->image();
    for (int r = 0; r < image.height(); ++r) {
      for (int c = 0; c < image.width(); ++c) grey += image.pixel(c, r) == kStreamline;
    }
    QVERIFY2(grey > 1000, qPrintable(QString::number(grey)));
  }
};

QTEST_MAIN(TickPictureTest)
#include "TickPictureTest.moc"
