// The plot on a screen of high pixel density: run at device pixel ratios 1, 1.5 and 2
// (QT_SCALE_FACTOR). The backing image has the device pixels of the same world window, the pen
// is as wide as the ratio rounded, and every pixel rule holds: the pen replaces pixels, the
// erase pass overdraws the previous frame exactly, and the picture holds only three colours.
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>
#include <cmath>

#include "model/FlowPicture.hpp"
#include "tests/ui/UiTestSupport.hpp"
#include "ui/Form1.hpp"
#include "ui/PlotView.hpp"

namespace {

int Count(const QImage& image, QRgb colour) {
  int n = 0;
  for (int r = 0; r < image.height(); ++r) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(r));
    for (int c = 0; c < image.width(); ++c) n += line[c] == colour;
  }
  return n;
}

}  // namespace

class HiDpiTest : public QObject {
  Q_OBJECT

 private:
  double ratio_ = 1;
  QSize device_;

 private slots:
  void initTestCase() {
    PlotView probe;
    ratio_ = probe.devicePixelRatioF();
    const double wanted = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                              ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                              : 1.0;
    QCOMPARE(ratio_, wanted);
    device_ = QSize(std::lround(600 * ratio_), std::lround(400 * ratio_));
  }

  void backingImageHasTheDevicePixels() {
    PlotView view;
    QCOMPARE(view.sizeHint(), QSize(600, 400));
    QCOMPARE(view.image().size(), device_);
    QCOMPARE(view.image().devicePixelRatio(), ratio_);
    QCOMPARE(view.Canvas().PenWidth(), ratio_ == 1 ? 1 : 2);
    QCOMPARE(PlotView::PenWidthFor(1), 1);
    QCOMPARE(PlotView::PenWidthFor(1.25), 1);
    QCOMPARE(PlotView::PenWidthFor(1.5), 2);
    QCOMPARE(PlotView::PenWidthFor(2), 2);
    QCOMPARE(PlotView::PenWidthFor(3), 3);
  }

  // A horizontal line is as many device rows thick as the pen is wide, across the whole width;
  // a line drawn again in the background colour leaves the picture as it was, for random
  // segments too.
  void thickPenKeepsThePixelRules() {
    PlotView view;
    view.Canvas().SetBackColor(qRgb(80, 80, 80));
    view.Canvas().Scale(-1, 2.0 / 3.0, 1, -2.0 / 3.0);
    const QImage blank = view.image().copy();
    view.Canvas().Line(-2, 0.1f, 2, 0.1f, jouk::kStreamlineColor);
    const int pen = view.Canvas().PenWidth();
    QCOMPARE(Count(view.image(), jouk::kStreamlineColor), device_.width() * pen);
    QRandomGenerator random(1313);
    QList<QLineF> segments;
    for (int k = 0; k < 2000; ++k) {
      const double x = random.bounded(2.2) - 1.1, y = random.bounded(1.5) - 0.75;
      segments.append(
          QLineF(x, y, x + random.bounded(0.04) - 0.02, y + random.bounded(0.3) - 0.15));
    }
    for (const QRgb colour : {jouk::kStreamlineColor, jouk::kPlotBackground}) {
      for (const QLineF& s : segments) {
        view.Canvas().Line(float(s.x1()), float(s.y1()), float(s.x2()), float(s.y2()), colour);
      }
    }
    view.Canvas().Line(-2, 0.1f, 2, 0.1f, jouk::kPlotBackground);
    QCOMPARE(view.image(), blank);
  }

  // A polyline sets the pixels of a Line per segment with this pen too, for dense lines whose
  // points crowd into one pixel, coarse ones, lines leaving the window and undefined points.
  void polylineSetsThePixelsOfItsSegments() {
    for (const double step : {0.0007, 0.004, 0.03}) {
      PlotView one, batch;
      for (PlotView* view : {&one, &batch}) {
        view->Canvas().SetBackColor(qRgb(80, 80, 80));
        view->Canvas().Scale(-1, 2.0 / 3.0, 1, -2.0 / 3.0);
      }
      QRandomGenerator random(7 + static_cast<quint32>(step * 1e4));
      std::vector<double> x(1500), y(1500);
      double px = -1.05, py = 0.6;
      for (std::size_t k = 0; k < x.size(); ++k) {
        px += random.bounded(step);
        py += random.bounded(2 * step) - step - step / 10;
        x[k] = px;
        y[k] = k % 400 == 399 ? std::nan("") : py;
      }
      for (std::size_t k = 1; k < x.size(); ++k) {
        one.Canvas().Line(float(x[k - 1]), float(y[k - 1]), float(x[k]), float(y[k]),
                          jouk::kContourColor);
      }
      batch.Canvas().Polyline(x.data(), y.data(), static_cast<int>(x.size()), jouk::kContourColor);
      QVERIFY(Count(one.image(), jouk::kContourColor) > 100);
      QCOMPARE(batch.image(), one.image());
    }
  }

  // The window after START and ticks, at this ratio: only the three colours, every point of
  // both rippled lines grey at its device pixel, the screen showing the backing image as it is.
  void windowPictureAtThisRatio() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    StartWithTexts(form, jouk::ParameterTexts{});
    for (int tick = 0; tick < 13; ++tick) form.Timer1_Timer();
    QApplication::processEvents();
    PlotView* plot = Child<PlotView>(form, "Picture3");
    const QImage image = plot->image();
    QCOMPARE(image.size(), device_);
    const int background = Count(image, jouk::kPlotBackground);
    const int red = Count(image, jouk::kContourColor);
    const int grey = Count(image, jouk::kStreamlineColor);
    QCOMPARE(background + red + grey, device_.width() * device_.height());
    QVERIFY(red > 500 * ratio_);
    const jouk::FlowState& st = Store(form);
    int checked = 0;
    for (int i = 1; i <= 10; ++i) {
      for (int j = 1; j <= st.nPts[static_cast<std::size_t>(i)]; ++j) {
        for (const double y : {st.YAnim1(i, j), st.YAnim2(i, j)}) {
          const auto at = PlotPixel(st.Olcek, st.XS(i, j), y, device_);
          if (!at) continue;
          QCOMPARE(image.pixel(at->column, at->row), jouk::kStreamlineColor);
          ++checked;
        }
      }
    }
    QVERIFY(checked > 1000);
    const QImage shown = plot->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), device_);
    QVERIFY(shown == image);
  }
};

QTEST_MAIN(HiDpiTest)
#include "HiDpiTest.moc"
