// The plot's context menu and the lift window it opens: opened by a right click and by the menu
// key, one window however often it is chosen, following every accepted recompute and keeping its
// content when a parameter set is rejected.
#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QtTest>

#include "Aerodynamics.hpp"
#include "Form1.hpp"
#include "Form_Lift.hpp"
#include "UiTestSupport.hpp"

namespace {

// The visible popup menu, if one is open.
QMenu* OpenMenu() {
  return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// Opens the plot's context menu as the user would (a right click, or the menu key while the plot
// has the focus) and chooses the item named name from it.
bool ChooseFromPlotMenu(Form1& form, const char* name, QContextMenuEvent::Reason reason) {
  PlotView* plot = Child<PlotView>(form, "Picture3");
  const QPoint at(100, 80);
  QContextMenuEvent event(reason, at, plot->mapToGlobal(at));
  QApplication::sendEvent(plot, &event);
  QMenu* menu = OpenMenu();
  if (menu == nullptr) return false;
  for (QAction* action : menu->actions()) {
    if (action->objectName() == QLatin1String(name)) {
      menu->close();
      action->trigger();
      return true;
    }
  }
  menu->close();
  return false;
}

QString Shown(const char* label) {
  QWidget* window = TopLevel("Form_Lift");
  return window == nullptr ? QString() : Child<QLabel>(*window, label)->text();
}

}  // namespace

class PlotMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void liftWindowFollowsTheFlow() {
    Form1 form;
    QStringList messages;
    form.SetMessageSink([&messages](const QString& m) { messages.append(m); });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    // Before any recompute: the window says that START shows the data.
    QVERIFY(ChooseFromPlotMenu(form, "Mn_Lift", QContextMenuEvent::Mouse));
    QCOMPARE(Child<QAction>(form, "Mn_Lift")->text(), QStringLiteral("Lift and pressure…"));
    int count = 0;
    QPointer<QWidget> window = TopLevel("Form_Lift", &count);
    QCOMPARE(count, 1);
    QVERIFY(window->parentWidget() == nullptr);
    QVERIFY(!window->isModal());
    QVERIFY(Shown("Label_Note").contains(QStringLiteral("START")));

    // START: the figures of the start-up flow, computed as the exporter computes them.
    StartWithTexts(form, jouk::ParameterTexts{});
    const jouk::LiftAndPressure startup = jouk::ComputeLiftAndPressure(form.State());
    QCOMPARE(Shown("Value_Lift"), Form_Lift::FigureText(startup.liftCoefficient));
    QCOMPARE(Shown("Value_Circulation"), QStringLiteral("0.435883"));

    // A scroll-bar change follows at once; the menu key opens the same single window.
    Child<QScrollBar>(form, "HScroll_Alfa")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const QString tenDegrees = Shown("Value_Lift");
    QCOMPARE(tenDegrees,
             Form_Lift::FigureText(jouk::ComputeLiftAndPressure(form.State()).liftCoefficient));
    QVERIFY(tenDegrees != Form_Lift::FigureText(startup.liftCoefficient));
    Child<PlotView>(form, "Picture3")->setFocus();
    QVERIFY(ChooseFromPlotMenu(form, "Mn_Lift", QContextMenuEvent::Keyboard));
    QCOMPARE(TopLevel("Form_Lift", &count), window.data());
    QCOMPARE(count, 1);

    // A rejected set leaves the window as it was.
    Child<QLineEdit>(form, "Text_dR")->setText(QStringLiteral("0"));
    Child<QScrollBar>(form, "HScroll_Alfa")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(Shown("Value_Lift"), tenDegrees);

    // Closed, it is shown again, the same window, with the current flow.
    window->close();
    QVERIFY(!window.isNull());
    QVERIFY(ChooseFromPlotMenu(form, "Mn_Lift", QContextMenuEvent::Mouse));
    QCOMPARE(TopLevel("Form_Lift", &count), window.data());
    QCOMPARE(Shown("Value_Lift"), tenDegrees);
  }
};

QTEST_MAIN(PlotMenuTest)
#include "PlotMenuTest.moc"
