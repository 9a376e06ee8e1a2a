// The plot view: its backing image, world window, clearing and the pixel-exact Line.
#include <QImage>
#include <QPixmap>
#include <QRandomGenerator>
#include <QtTest>
#include <cfloat>
#include <cmath>
#include <limits>
#include <vector>

#include "ui/PlotView.hpp"

namespace {

const QRgb kGrey = qRgb(80, 80, 80);
const QRgb kRed = qRgb(255, 0, 0);

// Pixels of image that differ from colour.
int CountOther(const QImage& image, QRgb colour) {
  int n = 0;
  for (int r = 0; r < image.height(); ++r) {
    for (int c = 0; c < image.width(); ++c) n += image.pixel(c, r) != colour;
  }
  return n;
}

}  // namespace

class PlotViewTest : public QObject {
  Q_OBJECT

 private slots:
  void startsAsTheToolkitBackground() {
    PlotView view;
    QCOMPARE(view.sizeHint(), QSize(600, 400));
    QCOMPARE(view.image().size(), QSize(600, 400));
    QCOMPARE(view.image().format(), QImage::Format_RGB32);
    const QRgb window = view.palette().color(QPalette::Window).rgb();
    QCOMPARE(CountOther(view.image(), window), 0);
  }

  void backColourFillsAtOnceAndClsClears() {
    PlotView view;
    view.Canvas().SetBackColor(qRgb(80, 80, 80));
    QCOMPARE(CountOther(view.image(), kGrey), 0);
    QCOMPARE(view.BackColor(), QColor(80, 80, 80));
    view.Canvas().Scale(-3, 2, 3, -2);
    view.Canvas().Line(-3, 0, 3, 0, kRed);
    QVERIFY(CountOther(view.image(), kGrey) > 0);
    view.Canvas().Scale(-1, 1, 1, -1);  // a new world window keeps the drawing
    QCOMPARE(CountOther(view.image(), kGrey), 600);
    view.Cls();
    QCOMPARE(CountOther(view.image(), kGrey), 0);
  }

  // With 100 pixels per unit on both axes, pixel (c, r) covers x in [c/100 − 3, (c+1)/100 − 3)
  // and y in ((1 − r/100) ... downwards); the closed window puts x = 3 and y = −2 in the last
  // column and row.
  void worldWindowMapsCornersAxesAndEdges() {
    PlotView view;
    view.Canvas().SetBackColor(qRgb(80, 80, 80));
    view.Canvas().Scale(-3, 2, 3, -2);
    view.Canvas().Line(-3, 2, -3, 2, kRed);  // upper-left corner
    QCOMPARE(view.image().pixel(0, 0), kRed);
    view.Canvas().Line(3, -2, 3, -2, kRed);  // lower-right corner
    QCOMPARE(view.image().pixel(599, 399), kRed);
    view.Canvas().Line(-2.995f, 1.005f, -2.995f, 1.005f, kRed);  // y grows upwards
    QCOMPARE(view.image().pixel(0, 99), kRed);
    QCOMPARE(CountOther(view.image(), kGrey), 3);

    view.Cls();
    view.Canvas().Line(0, 2, 0, -2, kRed);  // the y axis: column 300, every row
    for (int r = 0; r < 400; ++r) QCOMPARE(view.image().pixel(300, r), kRed);
    QCOMPARE(CountOther(view.image(), kGrey), 400);
    view.Cls();
    view.Canvas().Line(3, 0, -3, 0,
                       kRed);  // the x axis, drawn right to left: row 200, every column
    for (int c = 0; c < 600; ++c) QCOMPARE(view.image().pixel(c, 200), kRed);
    QCOMPARE(CountOther(view.image(), kGrey), 600);
  }

  void penColourReplacesAndRedrawInBackgroundErasesExactly() {
    PlotView view;
    view.Canvas().SetBackColor(qRgb(80, 80, 80));
    view.Canvas().Scale(-1, 2.0 / 3.0, 1, -2.0 / 3.0);
    const QImage blank = view.image();

    // Short and long segments in all directions, some leaving the window; fixed seed.
    QRandomGenerator random(20141201);
    QList<QLineF> segments;
    for (int k = 0; k < 3000; ++k) {
      const double x = random.bounded(2.4) - 1.2;
      const double y = random.bounded(1.6) - 0.8;
      const double len = k % 10 == 0 ? 1.0 : 0.02;
      segments.append(
          QLineF(x, y, x + random.bounded(2 * len) - len, y + random.bounded(2 * len) - len));
    }
    const auto drawAll = [&](QRgb colour) {
      for (const QLineF& s : segments) {
        view.Canvas().Line(float(s.x1()), float(s.y1()), float(s.x2()), float(s.y2()), colour);
      }
    };
    drawAll(qRgba(200, 200, 200, 17));  // the alpha of the pen plays no part
    QVERIFY(CountOther(view.image(), kGrey) > 3000);
    for (int r = 0; r < 400; ++r) {
      for (int c = 0; c < 600; ++c) {
        const QRgb p = view.image().pixel(c, r);
        QVERIFY(p == kGrey || p == qRgb(200, 200, 200));
      }
    }
    drawAll(kGrey);
    QCOMPARE(view.image(), blank);
  }

  void clipsFarOutsideAndHugeCoordinates() {
    PlotView view;
    view.Canvas().SetBackColor(qRgb(80, 80, 80));
    view.Canvas().Scale(-3, 2, 3, -2);
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    // Wholly outside, not finite or undefined: nothing is drawn.
    view.Canvas().Line(1e30f, 1e30f, 2e30f, 3e30f, kRed);
    view.Canvas().Line(-FLT_MAX, FLT_MAX, -FLT_MAX, -FLT_MAX, kRed);
    view.Canvas().Line(4, 0, 1e38f, 0, kRed);
    view.Canvas().Line(0, 0, inf, 0, kRed);
    view.Canvas().Line(nan, 0, 1, 1, kRed);
    view.Canvas().Line(0, nan, nan, 0, kRed);
    QCOMPARE(CountOther(view.image(), kGrey), 0);

    // Crossing the whole window from far outside: exactly the part inside is drawn.
    view.Canvas().Line(-FLT_MAX, 0, FLT_MAX, 0, kRed);
    for (int c = 0; c < 600; ++c) QCOMPARE(view.image().pixel(c, 200), kRed);
    QCOMPARE(CountOther(view.image(), kGrey), 600);
    view.Cls();
    view.Canvas().Line(-3e37f, -2e37f, 3e37f, 2e37f, kRed);  // beyond double precision: no crash
    view.Cls();
    view.Canvas().Line(-3e6f, -2e6f, 3e6f, 2e6f, kRed);  // the diagonal, lower left to upper right
    int drawn = 0;
    for (int r = 0; r < 400; ++r) {
      for (int c = 0; c < 600; ++c) {
        if (view.image().pixel(c, r) != kRed) continue;
        ++drawn;
        QVERIFY2(std::fabs((400 - r) - c * 2.0 / 3.0) <= 2.0,
                 qPrintable(QStringLiteral("pixel %1,%2 off the diagonal").arg(c).arg(r)));
      }
    }
    QVERIFY(drawn >= 600);

    // A world window of zero width or height draws nothing.
    view.Cls();
    view.Canvas().Scale(1, 1, 1, -1);
    view.Canvas().Line(0, 0, 2, 0, kRed);
    view.Canvas().Scale(-1, 1, 1, 1);
    view.Canvas().Line(0, 0, 0, 1, kRed);
    QCOMPARE(CountOther(view.image(), kGrey), 0);
  }

  // Polyline against a Line call per segment, for lines of every kind: coarse and dense, leaving
  // and re-entering the window, with points on its edges, with undefined points, and of lengths
  // around the blocks the polyline works in.
  void polylineSetsThePixelsOfItsSegments_data() {
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("count");
    QTest::newRow("coarse wandering line") << 0 << 400;
    QTest::newRow("dense line, many points per pixel") << 1 << 3000;
    QTest::newRow("dense line, one block") << 1 << 257;
    QTest::newRow("dense line, one block and a point") << 1 << 258;
    QTest::newRow("dense line, two blocks and a point") << 1 << 514;
    QTest::newRow("points on and beside the edges") << 2 << 600;
    QTest::newRow("steps of about a pixel") << 3 << 2000;
  }
  void polylineSetsThePixelsOfItsSegments() {
    QFETCH(int, shape);
    QFETCH(int, count);
    PlotView one, batch;
    for (PlotView* view : {&one, &batch}) {
      view->Canvas().SetBackColor(qRgb(80, 80, 80));
      view->Canvas().Scale(-1, 2.0 / 3.0, 1, -2.0 / 3.0);
    }
    QRandomGenerator random(51 + shape);
    std::vector<double> x(count), y(count);
    double px = shape == 3 ? 0 : -1.1, py = 0;
    const double edges[] = {-1, 1, 2.0 / 3.0, -2.0 / 3.0, 0};
    for (int k = 0; k < count; ++k) {
      switch (shape) {
        case 0:  // steps of several pixels
          px += random.bounded(0.02);
          py += random.bounded(0.1) - 0.05;
          break;
        case 1:  // steps well below a pixel (1/300 of a unit), drifting out of the window
          px += random.bounded(0.002);
          py += random.bounded(0.004) - 0.002 + 0.0004;
          break;
        case 2: {  // a point on an edge or a corner, or the float next to it on either side
          const double ex = edges[random.bounded(2)], ey = edges[2 + random.bounded(2)];
          px = random.bounded(3) == 0 ? ex : random.bounded(2.0) - 1;
          py = random.bounded(3) == 0 ? ey : random.bounded(4.0 / 3.0) - 2.0 / 3.0;
          const float nudge = random.bounded(3) - 1.0f;
          px = std::nextafter(float(px), float(px) + nudge);
          py = std::nextafter(float(py), float(py) - nudge);
          break;
        }
        default:  // steps of zero, one or two pixels in each direction, from the centre
          px += (random.bounded(5) - 2) / 300.0;
          py += (random.bounded(5) - 2) / 300.0;
          if (std::fabs(px) > 1.05 || std::fabs(py) > 0.7) px = py = 0;
          break;
      }
      x[k] = px;
      y[k] = py;
    }
    // Undefined points: the segments on either side of one are not drawn.
    for (int k = shape == 3 ? 37 : 200; k < count; k += shape == 3 ? 37 : count) {
      y[k] = std::numeric_limits<double>::quiet_NaN();
    }
    for (int k = 1; k < count; ++k) {
      one.Canvas().Line(float(x[k - 1]), float(y[k - 1]), float(x[k]), float(y[k]), kRed);
    }
    batch.Canvas().Polyline(x.data(), y.data(), count, kRed);
    QVERIFY(CountOther(one.image(), kGrey) > std::min(count / 10, 100));
    QCOMPARE(batch.image(), one.image());
    batch.Canvas().Polyline(x.data(), y.data(), 1, qRgb(0, 0, 255));  // one point: no segment
    batch.Canvas().Polyline(x.data(), y.data(), 0, qRgb(0, 0, 255));
    QCOMPARE(batch.image(), one.image());
  }

  // Another image size keeps the world window on the whole image: with 150 pixels per unit the
  // corners, the axes and the far edges land as on the 600 × 400 picture, scaled.
  void otherImageSizesMapTheSameWorldWindow() {
    PlotView view(QSize(900, 600));
    QCOMPARE(view.image().size(), QSize(900, 600));
    QCOMPARE(view.sizeHint(), QSize(900, 600));
    view.Canvas().SetBackColor(qRgb(80, 80, 80));
    QCOMPARE(CountOther(view.image(), kGrey), 0);
    view.Canvas().Scale(-3, 2, 3, -2);
    view.Canvas().Line(-3, 2, -3, 2, kRed);
    view.Canvas().Line(3, -2, 3, -2, kRed);
    QCOMPARE(view.image().pixel(0, 0), kRed);
    QCOMPARE(view.image().pixel(899, 599), kRed);
    view.Cls();
    view.Canvas().Line(-FLT_MAX, 0, FLT_MAX, 0, kRed);  // the x axis, clipped to the wider image
    for (int c = 0; c < 900; ++c) QCOMPARE(view.image().pixel(c, 300), kRed);
    view.Canvas().Line(0, 2, 0, -2, kRed);
    for (int r = 0; r < 600; ++r) QCOMPARE(view.image().pixel(450, r), kRed);
    QCOMPARE(CountOther(view.image(), kGrey), 900 + 600 - 1);

    // A size below one pixel is taken as one pixel; drawing there stays inside the image.
    PlotView tiny(QSize(0, -4));
    QCOMPARE(tiny.image().size(), QSize(1, 1));
    tiny.Canvas().SetBackColor(qRgb(80, 80, 80));
    tiny.Canvas().Scale(-3, 2, 3, -2);
    const double x[] = {-3, 3, 3};
    const double y[] = {2, -2, 2};
    tiny.Canvas().Polyline(x, y, 3, kRed);
    QCOMPARE(tiny.image().pixel(0, 0), kRed);
  }

  void paintingShowsTheBackingImage() {
    PlotView view;
    view.resize(view.sizeHint());
    view.Canvas().SetBackColor(qRgb(80, 80, 80));
    view.Canvas().Scale(-3, 2, 3, -2);
    view.Canvas().Line(-2, 1, 2, -1, kRed);
    const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, view.image());
  }
};

QTEST_MAIN(PlotViewTest)
#include "PlotViewTest.moc"
