// Random texts in all eight boxes, with START, scroll-bar moves, STOP and timer ticks, for a few
// hundred rounds. Whatever is typed, the window keeps running; every rejected parameter set
// reaches the message sink and changes neither the store nor the picture; every accepted one
// gives exactly the pipeline's solution; and after a start the picture holds only the
// background, the red contour and the grey streamlines.
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <array>
#include <random>
#include <string>

#include "model/Recompute.hpp"
#include "tests/ui/UiTestSupport.hpp"
#include "ui/Form1.hpp"
#include "ui/PlotView.hpp"

namespace {

constexpr std::array<const char*, 8> kBoxes = {"Text_DELTA",  "Text_GAMA",  "Text_Alfa",
                                               "Text_iKutta", "Text_Olcek", "Text_dPsi",
                                               "Text_kMax",   "Text_dR"};
constexpr std::array<const char*, 7> kBars = {"HScroll_Delta",  "HScroll_Gama", "HScroll_Alfa",
                                              "HScroll_iKutta", "HScroll_dPsi", "HScroll_kMax",
                                              "HScroll_Olcek"};

// Texts a user might type: sensible values for each box, edge cases and plain garbage.
class TextSource {
 public:
  explicit TextSource(unsigned seed) : rng_(seed) {}

  QString Next(std::size_t box) {
    static const std::array<std::array<const char*, 4>, 8> sensible = {{
        {"0.12", "0.3", "0", "0.05"},
        {"0.02", "0", "0.14", "0.15"},
        {"5", "-10", "30", "12"},
        {"1", "0.5", "0", "1.5"},
        {"1", "0.5", "3", "2.5"},
        {"0.07", "0.01", "0.1", "0.5"},
        {"10", "2", "20", "7"},
        {"0.01", "0.02", "0.005", "0.1"},
    }};
    static const std::array<const char*, 24> edges = {
        "0,12", "0.125",  "1e400", "-1e400", "-0",    "",   "abc", "20.4",
        "3.5",  "1e-300", "1e300", "0.0005", " 0.1",  "1e", ".5",  "5.",
        "-1",   "0x10",   "nan",   "inf",    "12abc", "+7", "2e1", "99999999999999999999"};
    const unsigned kind = rng_() % 10;
    if (kind < 7) return QString::fromLatin1(sensible[box][rng_() % 4]);
    if (kind < 9) return QString::fromLatin1(edges[rng_() % edges.size()]);
    static const char alphabet[] = "0123456789.-+eE ,x";
    std::string text;
    const unsigned length = rng_() % 9;
    for (unsigned i = 0; i < length; ++i) text += alphabet[rng_() % (sizeof alphabet - 1)];
    return QString::fromStdString(text);
  }

  unsigned Below(unsigned n) { return rng_() % n; }

 private:
  std::mt19937 rng_;
};

bool OnlyPictureColours(const QImage& image) {
  for (int r = 0; r < image.height(); ++r) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(r));
    for (int c = 0; c < image.width(); ++c) {
      const QRgb p = line[c] & 0xffffffu;
      if (p != 0x505050u && p != 0xff0000u && p != 0xc8c8c8u) return false;
    }
  }
  return true;
}

}  // namespace

class WindowFuzzTest : public QObject {
  Q_OBJECT

 private slots:
  void randomTextsAndActions() {
    Form1 form;
    QStringList messages;
    form.SetMessageSink([&messages](const QString& m) { messages.append(m); });
    form.show();
    PlotView* picture = Child<PlotView>(form, "Picture3");
    QTimer* timer = Child<QTimer>(form, "Timer1");

    TextSource source(20261208);
    int starts = 0, rejections = 0, ticks = 0;
    bool started = false;
    jouk::FlowState before;
    jouk::FlowState expected;
    for (int round = 0; round < 400; ++round) {
      // Type into a few boxes, now and then into all of them.
      const bool all = source.Below(5) == 0;
      const unsigned typed = all ? kBoxes.size() : 1 + source.Below(3);
      for (unsigned n = 0; n < typed; ++n) {
        const std::size_t box = all ? n : source.Below(kBoxes.size());
        Child<QLineEdit>(form, kBoxes[box])->setText(source.Next(box));
      }

      before = Store(form);
      const QImage pictureBefore = picture->image().copy();
      const qsizetype messagesBefore = messages.size();
      bool recomputed = false;
      switch (source.Below(4)) {
        case 0:
        case 1: {
          QTest::mouseClick(Child<QWidget>(form, "Command_START"), Qt::LeftButton);
          recomputed = true;
          break;
        }
        case 2: {
          QScrollBar* bar = Child<QScrollBar>(form, kBars[source.Below(kBars.size())]);
          const int value = bar->value();
          static constexpr QAbstractSlider::SliderAction actions[] = {
              QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
              QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
              QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};
          bar->triggerAction(actions[source.Below(6)]);
          recomputed = bar->value() != value;
          break;
        }
        default:
          QTest::mouseClick(Child<QWidget>(form, "Command_STOP"), Qt::LeftButton);
          QVERIFY(!timer->isActive());
          break;
      }

      if (recomputed) {
        // What the pipeline makes of the texts the window now holds, from the store as it was.
        expected = before;
        const jouk::RecomputeStatus status = jouk::Recompute(expected, form.Texts());
        if (status.ok) {
          ++starts;
          started = true;
          QCOMPARE(messages.size(), messagesBefore);
          QVERIFY(Store(form).XS == expected.XS && Store(form).YS == expected.YS);
          QVERIFY(Store(form).nPts == expected.nPts);
          QVERIFY(timer->isActive());
          QCOMPARE(Store(form).anim.tAnim, 0.0);
        } else {
          ++rejections;
          QCOMPARE(messages.size(), messagesBefore + 1);
          QCOMPARE(messages.back(), QString::fromStdString(status.message));
          QVERIFY(Store(form) == before);
          QCOMPARE(picture->image(), pictureBefore);
        }
      }

      // A few ticks, as the running timer would deliver them.
      const unsigned n = source.Below(4);
      for (unsigned t = 0; t < n && timer->isActive(); ++t, ++ticks) form.Timer1_Timer();
      QCoreApplication::processEvents();
      if (started)
        QVERIFY2(OnlyPictureColours(picture->image()), qPrintable(QString::number(round)));
    }
    qInfo("rounds 400: %d accepted recomputes, %d rejections, %d ticks", starts, rejections, ticks);
    QVERIFY(starts > 100);
    QVERIFY(rejections > 50);
  }
};

QTEST_MAIN(WindowFuzzTest)
#include "WindowFuzzTest.moc"
