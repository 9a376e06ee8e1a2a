// The About window: its size, colours and the six labels with their fonts and texts.
#include <QFontInfo>
#include <QLabel>
#include <QtTest>

#include "layout/WindowLayout.hpp"
#include "tests/ui/UiTestSupport.hpp"
#include "ui/Form_About.hpp"

class AboutTest : public QObject {
  Q_OBJECT

 private slots:
  void windowLooksAsLaidOut() {
    Form_About about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(about.size(), QSize(275, 213));
    QVERIFY(about.isWindow());
    QCOMPARE(about.palette().color(QPalette::Window), QColor(255, 255, 192));
    // The ground is light yellow where no label stands.
    const QImage shot = about.grab().toImage();
    QCOMPARE(QColor(shot.pixel(4, 4)), QColor(255, 255, 192));
    QCOMPARE(QColor(shot.pixel(270, 208)), QColor(255, 255, 192));
  }

  void labels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<double>("points");
    QTest::addColumn<QColor>("colour");
    const QColor green(0, 128, 0), black(0, 0, 0), blue(0, 0, 255);
    QTest::newRow("title") << "Label1"
                           << "VozuvadirAvevuze" << QRect(64, 16, 161, 25) << 12.0 << green;
    QTest::newRow("subtitle") << "Label2"
                              << "Streamlines around Joukowsky airfoil" << QRect(48, 56, 177, 41)
                              << 9.75 << green;
    // One line, in the label's own width.
    QTest::newRow("credit") << "Label7" << jouk::kCreditLine << QRect(56, 112, 169, 17) << 8.25
                            << black;
    QTest::newRow("update") << "Label8"
                            << "last update : December 2014" << QRect(56, 136, 185, 17) << 8.25
                            << black;
    QTest::newRow("comments") << "Label4"
                              << "for comments and questions e-mail to" << QRect(32, 168, 225, 17)
                              << 8.25 << black;
    QTest::newRow("address") << "Label5" << jouk::kContactAddress << QRect(80, 184, 129, 17) << 8.25
                             << blue;
  }
  void labels() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    QFETCH(double, points);
    QFETCH(QColor, colour);
    Form_About about;
    QLabel* label = Child<QLabel>(about, qPrintable(name));
    QCOMPARE(label->text(), text);
    QCOMPARE(label->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(label->font().pointSizeF(), points);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 255, 192));
    // Position and height as laid out; a label may only have grown to the right, within the
    // window, to show its whole text in the face the system offers for Verdana.
    QCOMPARE(label->pos(), geometry.topLeft());
    QCOMPARE(label->height(), geometry.height());
    QVERIFY(label->width() >= geometry.width());
    QVERIFY(label->geometry().right() < 275);
    const QFontMetrics metrics(label->font());
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
    if (label->wordWrap()) {
      QVERIFY2(needed.height() <= label->height() + 1, qPrintable(name));
    } else {
      QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(), qPrintable(name));
    }
  }

  // A dark desktop theme (light text on dark windows) changes nothing: the labels stay black,
  // green and blue on light yellow, and the credit line needs no more than its own width.
  void readableInADarkTheme() {
    const QPalette before = QApplication::palette();
    QPalette dark(QColor(40, 40, 40));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    Form_About about;
    for (const char* name : {"Label7", "Label8", "Label4"}) {
      QCOMPARE(Child<QLabel>(about, name)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    }
    QCOMPARE(Child<QLabel>(about, "Label1")->palette().color(QPalette::WindowText),
             QColor(0, 128, 0));
    QCOMPARE(about.palette().color(QPalette::Window), QColor(255, 255, 192));
    QLabel* credit = Child<QLabel>(about, "Label7");
    QVERIFY(!credit->wordWrap());
    QCOMPARE(credit->width(), 169);
    QVERIFY(!about.windowIcon().isNull());
    QApplication::setPalette(before);
  }

  void titleAndSubtitleStyle() {
    Form_About about;
    const QLabel* title = Child<QLabel>(about, "Label1");
    QVERIFY(title->font().bold());
    QVERIFY(title->font().underline());
    const QLabel* subtitle = Child<QLabel>(about, "Label2");
    QVERIFY(subtitle->wordWrap());
    QVERIFY(subtitle->alignment() & Qt::AlignHCenter);
    // Too wide for one line at its size: two centred lines.
    QVERIFY(QFontMetrics(subtitle->font()).horizontalAdvance(subtitle->text()) > subtitle->width());
    QVERIFY(QString::fromUtf8(jouk::kCreditLine).startsWith("developed by "));
    QVERIFY(QString::fromUtf8(jouk::kContactAddress).endsWith("@example.org"));
  }
};

QTEST_MAIN(AboutTest)
#include "AboutTest.moc"
