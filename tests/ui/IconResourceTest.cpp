// The window icon compiled into the ui library: every name in ui/icons.qrc opens as a PNG of its
// own size, with transparent rounded corners and the red section where the drawing has it.
#include <QImage>
#include <QtTest>

class IconResourceTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { Q_INIT_RESOURCE(icons); }

  void icon_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");
    QTest::newRow("main") << ":/icons/joukowsky-streamlines.png" << 256;
    QTest::newRow("16") << ":/icons/joukowsky-streamlines-16.png" << 16;
    QTest::newRow("32") << ":/icons/joukowsky-streamlines-32.png" << 32;
    QTest::newRow("64") << ":/icons/joukowsky-streamlines-64.png" << 64;
  }

  void icon() {
    QFETCH(QString, path);
    QFETCH(int, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    // The rounded corner leaves the outermost pixel (nearly) clear.
    QVERIFY(qAlpha(image.pixel(0, 0)) < 128);
    QVERIFY(qAlpha(image.pixel(size - 1, size - 1)) < 128);
    // Inside the section, in every drawing: opaque red.
    const QRgb section = image.pixel(size * 5 / 8, size * 46 / 100);
    QCOMPARE(qAlpha(section), 255);
    QVERIFY2(qRed(section) > 200 && qGreen(section) < 80 && qBlue(section) < 80,
             qPrintable(QColor(section).name()));
  }
};

QTEST_MAIN(IconResourceTest)
#include "IconResourceTest.moc"
