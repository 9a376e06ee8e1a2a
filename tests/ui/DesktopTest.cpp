// The window at home on the desktop: notes on texts not read as typed, the start of every text
// in view, the mouse wheel, focus marks and icons.
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>
#include <cmath>

#include "tests/ui/UiTestSupport.hpp"
#include "ui/Form1.hpp"
#include "ui/Form_About.hpp"
#include "ui/Form_Lift.hpp"
#include "ui/ParameterTextBox.hpp"

namespace {

// WCAG contrast ratio of two colours.
double Contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto channel = [](double v) {
      v /= 255;
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void Start(Form1& form, const jouk::ParameterTexts& texts) {
  form.SetTexts(texts);
  Child<QPushButton>(form, "Command_START")->click();
}

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  // A box not read whole and the pair missing from the table are marked after the recompute,
  // with a tooltip saying what was used; the next recompute that reads a box whole clears it; a
  // rejected set changes no mark. The numbers themselves are those of the plain reading.
  void notesMarkTheBoxesUntilReadWhole() {
    Form1 form;
    QStringList messages;
    form.SetMessageSink([&messages](const QString& m) { messages.append(m); });
    auto* delta = Child<ParameterTextBox>(form, "Text_DELTA");
    auto* gama = Child<ParameterTextBox>(form, "Text_GAMA");
    auto* alfa = Child<ParameterTextBox>(form, "Text_Alfa");
    const QColor plain = delta->palette().color(QPalette::Base);

    jouk::ParameterTexts texts;
    texts.Delta = "0,12";
    Start(form, texts);
    QCOMPARE(delta->toolTip(), QStringLiteral("Read as 0: use a point as the decimal separator"));
    QCOMPARE(delta->palette().color(QPalette::Base), ParameterTextBox::MarkColor(plain));
    QVERIFY(gama->Note().isEmpty());  // 0 with 0.02 is a row: the circular arc
    QCOMPARE(Store(form).Mu, 0.04);

    texts.Delta = "0.125";
    texts.Alfa = "7 deg";
    Start(form, texts);
    const QString miss = QStringLiteral(
        "δ 0.125 with γ 0.02 is not in the section table (δ 0 to 0.3 and γ 0 to 0.15 in steps "
        "of 0.01); the previous section is kept");
    QCOMPARE(delta->Note(), miss);
    QCOMPARE(gama->Note(), miss);
    QCOMPARE(alfa->Note(),
             QStringLiteral("Read as 7: the text after the number (\"deg\") is not read"));
    QCOMPARE(Store(form).Alfa, 7.0);
    QCOMPARE(Store(form).Mu, 0.04);  // the previous section

    texts.dR = "0";  // rejected: the marks stay as they are
    Start(form, texts);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(delta->Note(), miss);

    Start(form, jouk::ParameterTexts{});
    for (const char* box : {"Text_DELTA", "Text_GAMA", "Text_Alfa"}) {
      auto* b = Child<ParameterTextBox>(form, box);
      QVERIFY(b->Note().isEmpty());
      QVERIFY(b->toolTip().isEmpty());
      QCOMPARE(b->palette().color(QPalette::Base), plain);
    }
  }

  // The mark's ground keeps the text readable on a light and on a dark theme.
  void markReadsInLightAndDarkThemes() {
    for (const auto& [base, text] : {std::pair{QColor(255, 255, 255), QColor(0, 0, 0)},
                                     std::pair{QColor(42, 42, 42), QColor(235, 235, 235)},
                                     std::pair{QColor(30, 30, 46), QColor(205, 214, 244)}}) {
      const QColor mark = ParameterTextBox::MarkColor(base);
      QVERIFY2(Contrast(mark, text) >= 4.5, qPrintable(mark.name()));
      QVERIFY(Contrast(mark, base) > 1.2);  // and it shows
    }
  }

  // "0.004" in a narrow box shows from its start, however it got there.
  void textBoxesShowTheStartOfTheirText() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    jouk::ParameterTexts texts;
    texts.dR = "0.00400000000001";
    form.SetTexts(texts);
    auto* dR = Child<QLineEdit>(form, "Text_dR");
    QCOMPARE(dR->cursorPosition(), 0);
    dR->setFocus();
    dR->end(false);
    QTest::keyClick(dR, Qt::Key_Tab);
    QVERIFY(!dR->hasFocus());
    QCOMPARE(dR->cursorPosition(), 0);
    // A scroll bar writes its box the same way.
    Child<QScrollBar>(form, "HScroll_dPsi")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(Child<QLineEdit>(form, "Text_dPsi")->cursorPosition(), 0);
  }

  // One notch of the wheel is one arrow step, reported as a completed change; the bars have no
  // context menu of their own.
  void wheelStepsByTheArrowStep() {
    Form1 form;
    auto* alfa = Child<QScrollBar>(form, "HScroll_Alfa");
    QCOMPARE(alfa->contextMenuPolicy(), Qt::NoContextMenu);
    const auto turn = [alfa](int delta) {
      QWheelEvent wheel(QPointF(10, 5), alfa->mapToGlobal(QPointF(10, 5)), QPoint(),
                        QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(alfa, &wheel);
    };
    turn(-120);
    QCOMPARE(alfa->value(), 6);
    QCOMPARE(Child<QLineEdit>(form, "Text_Alfa")->text(), QStringLiteral("6"));
    QCOMPARE(Store(form).Alfa, 6.0);
    turn(240);
    QCOMPARE(alfa->value(), 4);
    turn(-60);  // half a notch: nothing yet
    QCOMPARE(alfa->value(), 4);
    turn(-60);
    QCOMPARE(alfa->value(), 5);
    auto* kMax = Child<QScrollBar>(form, "HScroll_kMax");
    QWheelEvent down(QPointF(5, 5), kMax->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(kMax, &down);
    QCOMPARE(kMax->value(), 8);  // its arrow step is 2
  }

  // The focused scroll bar and the focused plot show a mark on the screen; the plot's picture
  // itself is unchanged.
  void focusIsMarked() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    Child<QPushButton>(form, "Command_START")->click();
    Child<QTimer>(form, "Timer1")->stop();
    auto* bar = Child<QScrollBar>(form, "HScroll_Gama");
    auto* plot = Child<PlotView>(form, "Picture3");
    const QImage barPlain = bar->grab().toImage();
    const QImage picture = plot->image();
    QCOMPARE(plot->grab().toImage().convertToFormat(QImage::Format_RGB32), picture);
    bar->setFocus();
    QVERIFY(bar->grab().toImage() != barPlain);
    plot->setFocus();
    QVERIFY(bar->grab().toImage() == barPlain);
    const QImage shown = plot->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(shown != picture);
    QCOMPARE(shown.pixel(300, 200), picture.pixel(300, 200));  // only the edge is marked
    QCOMPARE(plot->image(), picture);
  }

  void everyWindowHasTheIcon() {
    Form1 form;
    Form_About about;
    Form_Lift lift;
    for (QWidget* w : std::initializer_list<QWidget*>{&form, &about, &lift}) {
      QVERIFY(!w->windowIcon().isNull());
      QVERIFY(w->windowIcon().availableSizes().contains(QSize(16, 16)));
    }
  }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
