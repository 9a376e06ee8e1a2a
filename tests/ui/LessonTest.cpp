// What a teacher preparing a lesson meets in the window: the notes on what a recompute cut, the
// mark of a text not applied yet, the lift window beside the main window, and the plot's
// shortcuts.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "layout/CompanionPlacement.hpp"
#include "tests/common/ParameterSets.hpp"
#include "tests/ui/UiTestSupport.hpp"
#include "ui/Form1.hpp"
#include "ui/Form_Lift.hpp"
#include "ui/ParameterTextBox.hpp"
#include "ui/PlotMenu.hpp"
#include "ui/PlotView.hpp"

namespace {

const QString kPending = QStringLiteral("Not applied yet: press START or move a scroll bar");

}  // namespace

class LessonTest : public QObject {
  Q_OBJECT

 private slots:
  // The heaviest set with a fractional count: the dR box tells where the streamlines end and the
  // step that reaches the edge, the count box the count drawn.
  void cutNotesMarkTheDrAndCountBoxes() {
    CollectingWindow w;
    jouk::ParameterTexts texts = jouk::testing::HeavyTexts();
    texts.kMax = "19.6";
    StartWithTexts(w.form, texts);
    QVERIFY(w.messages.isEmpty());
    auto* dR = Child<ParameterTextBox>(w.form, "Text_dR");
    QVERIFY2(
        dR->Note().startsWith(QStringLiteral("Streamlines end at 5000 points, at about x = ±")),
        qPrintable(dR->Note()));
    QVERIFY(
        dR->Note().endsWith(QStringLiteral("; dR 0.002 or more reaches the edge of the picture")));
    QCOMPARE(Child<ParameterTextBox>(w.form, "Text_kMax")->Note(),
             QStringLiteral("Taken as 19: streamlines are counted in whole numbers"));
    texts.dR = "0.002";
    texts.kMax = "20";
    StartWithTexts(w.form, texts);
    QVERIFY(dR->Note().isEmpty());
    QVERIFY(Child<ParameterTextBox>(w.form, "Text_kMax")->Note().isEmpty());
  }

  // A box typed into is marked until the next recompute takes it; Enter does nothing; a
  // rejected set keeps the mark; a scroll bar's move is a recompute that takes every box.
  void typedTextIsMarkedUntilApplied() {
    CollectingWindow w;
    w.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    auto* alfa = Child<ParameterTextBox>(w.form, "Text_Alfa");
    auto* dR = Child<ParameterTextBox>(w.form, "Text_dR");
    const QColor plain = alfa->palette().color(QPalette::Base);
    alfa->setFocus();
    alfa->selectAll();
    QTest::keyClicks(alfa, QStringLiteral("8"));
    QCOMPARE(alfa->Pending(), kPending);
    QCOMPARE(alfa->toolTip(), kPending);
    QCOMPARE(alfa->palette().color(QPalette::Base), ParameterTextBox::MarkColor(plain));
    QVERIFY(dR->Pending().isEmpty());
    QTest::keyClick(alfa, Qt::Key_Return);
    QVERIFY(Store(w.form).nPts.empty());  // nothing computed
    QCOMPARE(alfa->Pending(), kPending);

    QTest::keyClicks(alfa, QStringLiteral("abc"));  // "8abc": a note and the mark together
    Child<QPushButton>(w.form, "Command_START")->click();
    QVERIFY(alfa->Pending().isEmpty());
    QCOMPARE(alfa->toolTip(), alfa->Note());
    QCOMPARE(Store(w.form).Alfa, 8.0);

    dR->selectAll();
    QTest::keyClicks(dR, QStringLiteral("0"));
    Child<QPushButton>(w.form, "Command_START")->click();
    QCOMPARE(w.messages.size(), 1);  // rejected: not applied
    QCOMPARE(dR->Pending(), kPending);
    dR->selectAll();
    QTest::keyClicks(dR, QStringLiteral("0.01"));  // the applied text again
    QVERIFY(dR->Pending().isEmpty());
    QTest::keyClicks(dR, QStringLiteral("5"));
    Child<QScrollBar>(w.form, "HScroll_Alfa")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QVERIFY(dR->Pending().isEmpty());
    QCOMPARE(Store(w.form).dR, 0.015);
    QVERIFY(alfa->Pending().isEmpty());
  }

  // The lift window opens beside the main window as the placement rule puts it on this screen
  // (where the window system leaves it when neither side has room), never over the plot, and
  // closes with the main window.
  void liftWindowOpensBesideAndClosesWithTheMainWindow() {
    CollectingWindow w;
    w.form.move(0, 0);
    w.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.form));
    Child<QPushButton>(w.form, "Command_START")->click();
    const QRect main = w.form.frameGeometry();
    Child<QAction>(*Child<PlotMenu>(w.form, "PlotMenu"), "Mn_Lift")->trigger();
    QWidget* lift = TopLevel("Form_Lift");
    QVERIFY(lift != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(lift));
    const QRect screen = w.form.screen()->availableGeometry();
    const QSize size = lift->frameGeometry().size();
    const auto at = jouk::CompanionPosition(
        {main.x(), main.y(), main.width(), main.height()}, size.width(), size.height(),
        {screen.x(), screen.y(), screen.width(), screen.height()});
    if (at) {
      QCOMPARE(lift->frameGeometry().topLeft(), QPoint(at->x, at->y));
      const QRect plot(Child<PlotView>(w.form, "Picture3")->mapToGlobal(QPoint(0, 0)),
                       QSize(PlotView::kImageWidth, PlotView::kImageHeight));
      QVERIFY(!lift->frameGeometry().intersects(plot));
    }
    w.form.close();
    QVERIFY(!lift->isVisible());
  }

  // Where the plot has the focus, Ctrl+C copies the picture and Ctrl+S saves it; elsewhere the
  // keys are the text boxes' own.
  void plotShortcutsCopyAndSave() {
    CollectingWindow w;
    w.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    Child<QPushButton>(w.form, "Command_START")->click();
    auto* plot = Child<PlotView>(w.form, "Picture3");
    auto* menu = Child<PlotMenu>(w.form, "PlotMenu");
    QTemporaryDir dir;
    int asked = 0;
    const QString file = dir.filePath(QStringLiteral("shortcut.png"));
    menu->SetFileChooser([&](const QString&, const QString&, const QStringList&, QString*, int*) {
      ++asked;
      return file;
    });
    QGuiApplication::clipboard()->clear();
    plot->setFocus();
    QTest::keyClick(plot, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
             plot->image());
    QTest::keyClick(plot, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(asked, 1);
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().startsWith("\x89PNG"));

    auto* alfa = Child<QLineEdit>(w.form, "Text_Alfa");
    alfa->setFocus();
    QTest::keyClick(alfa, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(asked, 1);
    QCOMPARE(Child<QAction>(*menu, "Mn_SavePicture")->shortcut(), QKeySequence(QKeySequence::Save));
    QVERIFY(w.messages.isEmpty());
  }
};

QTEST_MAIN(LessonTest)
#include "LessonTest.moc"
