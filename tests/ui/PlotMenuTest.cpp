// The plot's context menu and the lift window it opens: opened by a right click and by the menu
// key, one window however often it is chosen, following every accepted recompute and keeping its
// content when a parameter set is rejected; the menu's copies and saves, with and without the
// window around it.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <QSignalSpy>
#include <memory>

#include "export/ExportPictures.hpp"
#include "export/FlowCsv.hpp"
#include "model/Aerodynamics.hpp"
#include "model/Recompute.hpp"
#include "tests/ui/UiTestSupport.hpp"
#include "ui/Form1.hpp"
#include "ui/Form_Lift.hpp"
#include "ui/PlotMenu.hpp"

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

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    const jouk::LiftAndPressure startup = jouk::ComputeLiftAndPressure(Store(form));
    QCOMPARE(Shown("Value_Lift"), Form_Lift::FigureText(startup.liftCoefficient));
    QCOMPARE(Shown("Value_Circulation"), QStringLiteral("0.435883"));

    // A scroll-bar change follows at once; the menu key opens the same single window.
    Child<QScrollBar>(form, "HScroll_Alfa")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const QString tenDegrees = Shown("Value_Lift");
    QCOMPARE(tenDegrees,
             Form_Lift::FigureText(jouk::ComputeLiftAndPressure(Store(form)).liftCoefficient));
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

  // Without a window: copying and saving wait for a flow, then copy and save what the snapshot
  // holds; a save that fails says why through the signal and keeps the file that was there.
  void copyAndSaveWithoutAWindow() {
    QWidget plot;
    auto st = std::make_unique<jouk::FlowState>();
    jouk::LoadInitialisation(*st);
    jouk::ParameterTexts texts;
    texts.Alfa = "7";
    QVERIFY(jouk::Recompute(*st, texts).ok);
    QImage picture(PlotView::kImageWidth, PlotView::kImageHeight, QImage::Format_RGB32);
    picture.fill(kContour);
    int asked = 0;
    PlotMenu menu(&plot, [&] {
      ++asked;
      return PlotSnapshot{st.get(), texts, 3, picture};
    });
    QSignalSpy failed(&menu, &PlotMenu::failed);
    const char* saving[] = {"Mn_CopyPicture", "Mn_SavePicture", "Mn_SaveAnimation",
                            "Mn_SavePoints"};
    for (const char* item : saving) QVERIFY(!Child<QAction>(menu, item)->isEnabled());
    QVERIFY(Child<QAction>(menu, "Mn_Lift")->isEnabled());
    menu.SetSolved(true);
    for (const char* item : saving) QVERIFY(Child<QAction>(menu, item)->isEnabled());
    QCOMPARE(asked, 0);  // nothing is asked for until an item is chosen

    Child<QAction>(menu, "Mn_CopyPicture")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), picture);

    // The points and the picture of the snapshot's flow, texts and ticks.
    QTemporaryDir dir;
    QString answer = dir.filePath(QStringLiteral("points.csv"));
    menu.SetFileChooser([&answer](const QString&, const QString&, const QStringList&, QString*,
                                  int*) { return answer; });
    Child<QAction>(menu, "Mn_SavePoints")->trigger();
    QCOMPARE(ReadAll(answer), QByteArray::fromStdString(jouk::StreamlinesCsv(*st)));
    answer = dir.filePath(QStringLiteral("picture.svg"));
    Child<QAction>(menu, "Mn_SavePicture")->trigger();
    jouk::FlowState fresh = *st;
    fresh.YAnim1 = jouk::PointGrid();
    fresh.YAnim2 = jouk::PointGrid();
    fresh.anim = jouk::AnimState();
    QCOMPARE(
        ReadAll(answer),
        QByteArray::fromStdString(jouk::WindowSvg(
            fresh, 3, PlotView::kImageWidth, PlotView::kImageHeight,
            jouk::WindowSvgDescription(texts, 3, PlotView::kImageWidth, PlotView::kImageHeight))));
    QCOMPARE(failed.count(), 0);

    // Into a folder that does not exist: refused with the reason, nothing written.
    const QString kept = dir.filePath(QStringLiteral("kept.png"));
    QFile old(kept);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    answer = dir.filePath(QStringLiteral("missing/flow.png"));
    Child<QAction>(menu, "Mn_SavePicture")->trigger();
    QCOMPARE(failed.count(), 1);
    const QString message = failed.at(0).at(0).toString();
    QVERIFY2(message.contains(QStringLiteral("No such file or directory")), qPrintable(message));
    QVERIFY(!QFile::exists(answer));

    // A cancelled dialog writes nothing and says nothing.
    answer.clear();
    for (const char* item : {"Mn_SavePicture", "Mn_SaveAnimation", "Mn_SavePoints"}) {
      Child<QAction>(menu, item)->trigger();
    }
    QCOMPARE(failed.count(), 1);
    QCOMPARE(ReadAll(kept), QByteArray("old"));
  }

  // In the window: the items wait for START, the menu sees the ticks and the picture shown, and
  // a save that fails reaches the window's messages without stopping the animation.
  void windowHandsTheMenuWhatThePlotShows() {
    Form1 form;
    QStringList messages;
    form.SetMessageSink([&messages](const QString& m) { messages.append(m); });
    auto* menu = form.findChild<PlotMenu*>(QStringLiteral("PlotMenu"));
    QVERIFY(menu != nullptr);
    const char* saving[] = {"Mn_CopyPicture", "Mn_SavePicture", "Mn_SaveAnimation",
                            "Mn_SavePoints"};
    for (const char* item : saving) QVERIFY(!Child<QAction>(*menu, item)->isEnabled());
    QVERIFY(Child<QAction>(*menu, "Mn_Lift")->isEnabled());
    Child<QPushButton>(form, "Command_START")->click();
    for (const char* item : saving) QVERIFY(Child<QAction>(*menu, item)->isEnabled());
    for (int tick = 0; tick < 3; ++tick) form.Timer1_Timer();
    QCOMPARE(ShownOnPlot(form).ticks, 3);

    Child<QAction>(*menu, "Mn_CopyPicture")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
             Child<PlotView>(form, "Picture3")->image());

    QTemporaryDir dir;
    const QString answer = dir.filePath(QStringLiteral("missing/flow.png"));
    menu->SetFileChooser([&answer](const QString&, const QString&, const QStringList&, QString*,
                                   int*) { return answer; });
    Child<QAction>(*menu, "Mn_SavePicture")->trigger();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(QStringLiteral("No such file or directory")),
             qPrintable(messages[0]));
    QVERIFY(Child<QTimer>(form, "Timer1")->isActive());
    QVERIFY(!QFile::exists(answer));
  }
};

QTEST_MAIN(PlotMenuTest)
#include "PlotMenuTest.moc"
