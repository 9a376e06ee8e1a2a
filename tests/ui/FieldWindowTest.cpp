// The views of the flow that the plot's menu adds: the tooltip over the plot, which changes no
// pixel of the picture; "Free stream horizontal", which draws the same flow in the tunnel view
// with the picture's rules, and whose saves take that view; and the flow field window, whose
// picture is the model's field picture at each end of the slider, with its hover marks, its
// saves and its following of the main window's recomputes.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>
#include <chrono>
#include <cmath>
#include <memory>

#include "export/ExportPictures.hpp"
#include "export/FlowCsv.hpp"
#include "export/PictureFiles.hpp"
#include "model/FieldReadout.hpp"
#include "model/FlowViews.hpp"
#include "tests/ui/UiTestSupport.hpp"
#include "ui/FieldView.hpp"
#include "ui/Form_Field.hpp"
#include "ui/PlotHover.hpp"

namespace {

const jouk::ParameterTexts kSteep{.Alfa = "20", .Olcek = "2"};

// Chooses the item named name from the plot's menu, as a right click opens it.
void Choose(Form1& form, const char* name) {
  Child<QAction>(form, name)->trigger();
}

// A store recomputed from texts as a freshly opened window holds it, turned into view.
std::unique_ptr<jouk::FlowState> Fresh(const jouk::ParameterTexts& texts, jouk::FlowView view) {
  auto st = std::make_unique<jouk::FlowState>();
  jouk::LoadInitialisation(*st);
  if (!jouk::Recompute(*st, texts).ok) qFatal("parameter set rejected");
  jouk::ApplyView(*st, view);
  return st;
}

// The plot of a fresh window after START and `ticks` ticks in view, at the size of the image.
QImage Replayed(const jouk::ParameterTexts& texts, jouk::FlowView view, int ticks, QSize size,
                int pen) {
  const auto st = Fresh(texts, view);
  QImage image(size, QImage::Format_RGB32);
  jouk::Raster raster(reinterpret_cast<jouk::Rgb*>(image.bits()), size.width(), size.height(),
                      image.bytesPerLine() / 4, jouk::kPlotBackground);
  raster.SetPenWidth(pen);
  raster.Cls();
  jouk::ReplayWindowPicture(raster, *st, ticks);
  return image;
}

// The field picture of the model for a store, at the view's device pixels.
QImage FieldPicture(const jouk::FlowState& st, const jouk::FieldPictureSetup& setup, QSize size,
                    int pen) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(QColor(jouk::kPlotBackground));
  jouk::Raster raster(reinterpret_cast<jouk::Rgb*>(image.bits()), size.width(), size.height(),
                      image.bytesPerLine() / 4, jouk::kPlotBackground);
  jouk::MessageId reason{};
  if (!jouk::DrawFieldPicture(raster, st, setup, pen, reason)) qFatal("no field picture");
  return image;
}

QImage Pixels(const QImage& image) {
  QImage copy = image.convertToFormat(QImage::Format_RGB32);
  copy.setDevicePixelRatio(1);
  return copy;
}

void MoveTo(QWidget* widget, QPointF at) {
  QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

jouk::FieldFlow FlowOf(const jouk::FlowState& st) {
  jouk::FieldFlow flow;
  jouk::MessageId reason{};
  if (!jouk::MakeFieldFlow(st, flow, reason)) qFatal("no flow");
  return flow;
}

// The flow field window of a window started with the steep texts.
QWidget* StartedFieldWindow(Form1& form) {
  StartWithTexts(form, kSteep);
  Choose(form, "Mn_Field");
  return TopLevel("Form_Field");
}

int Pen(const QWidget& w) {
  return PlotView::PenWidthFor(w.devicePixelRatioF());
}

}  // namespace

class FieldWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void menuItemsWaitOffAtStart() {
    Form1 form;
    auto* horizontal = Child<QAction>(form, "Mn_FreeStreamHorizontal");
    QCOMPARE(horizontal->text(), QStringLiteral("Free stream horizontal"));
    QVERIFY(horizontal->isCheckable());
    QVERIFY(!horizontal->isChecked());
    QCOMPARE(Child<QAction>(form, "Mn_Field")->text(), QStringLiteral("Flow field…"));
    // Checked before any flow: nothing is drawn until START, which then draws the tunnel view.
    const QImage before = Child<PlotView>(form, "Picture3")->image();
    horizontal->setChecked(true);
    QCOMPARE(Child<PlotView>(form, "Picture3")->image(), before);
    StartWithTexts(form, kSteep);
    form.Timer1_Timer();
    const PlotView* plot = Child<PlotView>(form, "Picture3");
    QCOMPARE(Pixels(plot->image()),
             Replayed(kSteep, jouk::FlowView::kTunnel, 1, plot->image().size(), Pen(*plot)));
  }

  // The tunnel view follows the picture's rules tick by tick, comes and goes at the moment shown,
  // and the menu's files take it.
  void tunnelViewIsTheSameFlowTurned() {
    CollectingWindow w;
    StartWithTexts(w.form, kSteep);
    for (int tick = 0; tick < 3; ++tick) w.form.Timer1_Timer();
    auto* plot = Child<PlotView>(w.form, "Picture3");
    const QSize size = plot->image().size();
    const QImage mainView = Pixels(plot->image());
    QCOMPARE(mainView, Replayed(kSteep, jouk::FlowView::kMain, 3, size, Pen(*plot)));

    Child<QAction>(w.form, "Mn_FreeStreamHorizontal")->setChecked(true);
    QCOMPARE(Pixels(plot->image()), Replayed(kSteep, jouk::FlowView::kTunnel, 3, size, Pen(*plot)));
    for (int tick = 0; tick < 4; ++tick) w.form.Timer1_Timer();
    QCOMPARE(Pixels(plot->image()), Replayed(kSteep, jouk::FlowView::kTunnel, 7, size, Pen(*plot)));

    // The saves: the picture, the animation's first frame and the points, in the view shown.
    QTemporaryDir dir;
    QString answer;
    auto* menu = Child<PlotMenu>(w.form, "PlotMenu");
    menu->SetFileChooser([&answer](const QString&, const QString&, const QStringList&, QString*,
                                   int*) { return answer; });
    answer = dir.filePath(QStringLiteral("tunnel.png"));
    Choose(w.form, "Mn_SavePicture");
    auto st = Fresh(kSteep, jouk::FlowView::kTunnel);
    QCOMPARE(ReadAll(answer), jouk::WindowPng(*st, 7, 600, 400));
    answer = dir.filePath(QStringLiteral("tunnel.svg"));
    Choose(w.form, "Mn_SavePicture");
    st = Fresh(kSteep, jouk::FlowView::kTunnel);
    QCOMPARE(ReadAll(answer),
             QByteArray::fromStdString(jouk::WindowSvg(
                 *st, 7, 600, 400, jouk::WindowSvgDescription(kSteep, 7, 600, 400, true))));
    answer = dir.filePath(QStringLiteral("tunnel.csv"));
    Choose(w.form, "Mn_SavePoints");
    QCOMPARE(ReadAll(answer), QByteArray::fromStdString(
                                  jouk::StreamlinesCsv(*Fresh(kSteep, jouk::FlowView::kTunnel))));
    Choose(w.form, "Mn_CopyPicture");
    QCOMPARE(Pixels(QGuiApplication::clipboard()->image()), Pixels(plot->image()));

    // A recompute draws the new flow in the view; a rejection keeps it.
    const jouk::ParameterTexts steeper{.Alfa = "21", .Olcek = "2"};
    StartWithTexts(w.form, steeper);
    QCOMPARE(Store(w.form).XS(0, 5), Fresh(steeper, jouk::FlowView::kTunnel)->XS(0, 5));
    const QImage shown = Pixels(plot->image());
    Child<QLineEdit>(w.form, "Text_dR")->setText(QStringLiteral("0"));
    Child<QPushButton>(w.form, "Command_START")->click();
    QCOMPARE(w.messages.size(), 1);
    QCOMPARE(Pixels(plot->image()), shown);

    // Cleared again: the main picture at the moment shown, every pixel as before.
    Child<QLineEdit>(w.form, "Text_dR")->setText(QStringLiteral("0.01"));
    Child<QPushButton>(w.form, "Command_START")->click();
    Child<QTimer>(w.form, "Timer1")->stop();
    w.form.Timer1_Timer();
    Child<QAction>(w.form, "Mn_FreeStreamHorizontal")->setChecked(false);
    QCOMPARE(Pixels(plot->image()), Replayed(steeper, jouk::FlowView::kMain, 1, size, Pen(*plot)));
  }

  // What the tunnel view costs: its copy of each accepted solution, and a tick, against the main
  // picture's tick, at the start-up texts and the heaviest set.
  void tunnelViewKeepsTheTickBudget() {
    using Clock = std::chrono::steady_clock;
    const auto micro = [](Clock::time_point from) {
      return std::chrono::duration<double, std::micro>(Clock::now() - from).count();
    };
    for (const jouk::ParameterTexts& texts : {jouk::ParameterTexts{}, HeavyTexts()}) {
      Form1 form;
      double tick[2] = {0, 0};
      double start[2] = {0, 0};
      for (const bool tunnel : {false, true}) {
        Child<QAction>(form, "Mn_FreeStreamHorizontal")->setChecked(tunnel);
        form.SetTexts(texts);
        auto from = Clock::now();
        StartWithTexts(form, texts);
        start[tunnel] = micro(from);
        constexpr int kTicks = 20;
        from = Clock::now();
        for (int k = 0; k < kTicks; ++k) form.Timer1_Timer();
        tick[tunnel] = micro(from) / kTicks;
      }
      qInfo("START %.0f µs and a tick %.0f µs; with the free stream horizontal %.0f µs and %.0f µs",
            start[0], tick[0], start[1], tick[1]);
      QVERIFY(tick[1] < 2 * tick[0] + 2000);
    }
  }

  // The tooltip reads the flow under the pointer, in the text the model writes, in both views,
  // also between ticks, and changes no pixel.
  void tooltipReadsTheFlowWithoutAChangedPixel() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* plot = Child<PlotView>(form, "Picture3");
    auto* hover = Child<PlotHover>(*plot, "PlotHover");
    QVERIFY(hover->TextAt(QPointF(450, 120)).isEmpty());  // nothing computed yet
    StartWithTexts(form, kSteep);
    form.Timer1_Timer();
    const QImage before = plot->image().copy();
    const jouk::FieldFlow flow = FlowOf(Store(form));
    const jouk::WorldWindow window = jouk::WorldWindowFor(2);
    for (const jouk::FlowView view : {jouk::FlowView::kMain, jouk::FlowView::kTunnel}) {
      Child<QAction>(form, "Mn_FreeStreamHorizontal")->setChecked(view == jouk::FlowView::kTunnel);
      for (const QPointF at : {QPointF(450, 120), QPointF(40.5, 390.25), QPointF(300, 200)}) {
        const QImage shown = plot->image().copy();
        MoveTo(plot, at);
        const QString want = QString::fromStdString(jouk::ReadoutText(
            jouk::ProbeField(flow, jouk::WorldAt(window, at.x(), at.y(), 600, 400), 1, view),
            TranslatedReadoutWords()));
        QCOMPARE(QToolTip::text(), want);
        QCOMPARE(plot->image(), shown);
        form.Timer1_Timer();  // the animation goes on under the tooltip
        QCOMPARE(QToolTip::text(), want);
      }
    }
    QVERIFY(QToolTip::text().startsWith(QStringLiteral("x = 0.0000, y = 0.0000\n")));
    // The section's inside, at the middle of the contour's points.
    Child<QAction>(form, "Mn_FreeStreamHorizontal")->setChecked(false);
    const jouk::FlowState& st = Store(form);
    double x = 0, y = 0;
    for (int j = 1; j < st.nPts[0]; ++j) {
      x += st.XS(0, j) / (st.nPts[0] - 1);
      y += st.YS(0, j) / (st.nPts[0] - 1);
    }
    const jouk::DeviceMap map(window, 600, 400);
    MoveTo(plot, QPointF(map.ToDevice(x, y).u, map.ToDevice(x, y).v));
    QVERIFY2(QToolTip::text().endsWith(QStringLiteral("\ninside the section")),
             qPrintable(QToolTip::text()));
    QApplication::sendEvent(plot, new QEvent(QEvent::Leave));
    QVERIFY(before.size() == plot->image().size());

    // What a move costs: one readout, measured over many.
    const auto start = std::chrono::steady_clock::now();
    constexpr int kMoves = 2000;
    for (int k = 0; k < kMoves; ++k) hover->TextAt(QPointF(k % 600, (k * 7) % 400));
    const double perMove =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count() /
        kMoves;
    // And a whole move event, the tooltip shown or moved included.
    const auto events = std::chrono::steady_clock::now();
    constexpr int kEvents = 300;
    for (int k = 0; k < kEvents; ++k) MoveTo(plot, QPointF(k % 600, (k * 7) % 400));
    const double perEvent =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - events)
            .count() /
        kEvents;
    qInfo("hover: %.2f microseconds a readout, %.1f a move event", perMove, perEvent);
    QVERIFY(perMove < 1000);
  }

  void fieldWindowShowsTheModelsPicture() {
    CollectingWindow w;
    Choose(w.form, "Mn_Field");
    int count = 0;
    QPointer<QWidget> window = TopLevel("Form_Field", &count);
    QCOMPARE(count, 1);
    QVERIFY(window->parentWidget() == nullptr);
    QVERIFY(Child<QLabel>(*window, "Label_Note")->text().contains(QStringLiteral("START")));
    QVERIFY(Child<QLabel>(*window, "Label_Help")->text().contains(QStringLiteral("2α")));

    StartWithTexts(w.form, kSteep);
    auto* view = Child<FieldView>(*window, "FieldView");
    auto* slider = Child<QSlider>(*window, "Slider_Map");
    auto* cp = Child<QCheckBox>(*window, "Check_Cp");
    auto* orientation = Child<QComboBox>(*window, "Combo_Orientation");
    QVERIFY(Child<QLabel>(*window, "Label_Note")->text().isEmpty());
    const QSize size = view->image().size();
    QCOMPARE(slider->value(), Form_Field::kStageSteps);  // the section first
    const struct {
      const char* name;
      int step;
      bool cp;
      int orientation;
    } rows[] = {{"section", 100, false, 0},
                {"circle plane", 0, false, 0},
                {"circle plane with pressure", 0, true, 0},
                {"half way, tunnel view, pressure", 50, true, 1},
                {"section, tunnel view", 100, false, 1}};
    for (const auto& row : rows) {
      slider->setValue(row.step);
      cp->setChecked(row.cp);
      orientation->setCurrentIndex(row.orientation);
      const jouk::FieldPictureSetup setup{
          .t = row.step / 100.0,
          .cp = row.cp,
          .view = row.orientation == 1 ? jouk::FlowView::kTunnel : jouk::FlowView::kMain};
      QCOMPARE(Pixels(view->image()), FieldPicture(Store(w.form), setup, size, Pen(*view)));
    }

    // What a frame of Play costs, with and without the pressure colours.
    for (const bool colours : {false, true}) {
      cp->setChecked(colours);
      const auto from = std::chrono::steady_clock::now();
      for (int step = 40; step < 50; ++step) slider->setValue(step);
      qInfo("a frame of Play %s the pressure colours: %.1f ms", colours ? "with" : "without",
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from)
                    .count() /
                10);
    }
    // Play's frames with the colours are drafts of one pixel a logical pixel; where it stops, the
    // picture is whole again.
    auto* play = Child<QPushButton>(*window, "Button_Play");
    play->click();
    QTRY_VERIFY_WITH_TIMEOUT(slider->value() != 49, 5000);
    QCOMPARE(view->image().size(), FieldView::PictureSize());
    play->click();
    const jouk::FieldPictureSetup stopped{
        .t = slider->value() / 100.0, .cp = true, .view = jouk::FlowView::kTunnel};
    QCOMPARE(Pixels(view->image()), FieldPicture(Store(w.form), stopped, size, Pen(*view)));
    cp->setChecked(false);
    slider->setValue(Form_Field::kStageSteps);

    // One window however often it is chosen; it follows a recompute and keeps its picture on a
    // rejection; it closes with the main window.
    Choose(w.form, "Mn_Field");
    QCOMPARE(TopLevel("Form_Field", &count), window.data());
    QCOMPARE(count, 1);
    StartWithTexts(w.form, jouk::ParameterTexts{.Alfa = "-3", .Olcek = "2"});
    const jouk::FieldPictureSetup setup{.t = 1, .cp = false, .view = jouk::FlowView::kTunnel};
    QCOMPARE(Pixels(view->image()), FieldPicture(Store(w.form), setup, size, Pen(*view)));
    const QImage kept = view->image().copy();
    Child<QLineEdit>(w.form, "Text_dR")->setText(QStringLiteral("-1"));
    Child<QPushButton>(w.form, "Command_START")->click();
    QCOMPARE(w.messages.size(), 1);
    QCOMPARE(view->image(), kept);
    w.form.close();
    QVERIFY(!window.isNull() && !window->isVisible());
  }

  // Under the pointer: the readout of the tooltip and a ring at the other plane's point, drawn
  // on the screen only.
  void hoverMarksTheOtherPlane() {
    CollectingWindow w;
    QWidget* window = StartedFieldWindow(w.form);
    auto* view = Child<FieldView>(*window, "FieldView");
    auto* slider = Child<QSlider>(*window, "Slider_Map");
    const jouk::FieldFlow flow = FlowOf(Store(w.form));
    const jouk::WorldWindow world = jouk::WorldWindowFor(2);
    const QPointF at(420, 150);
    const jouk::Complex Q = jouk::WorldAt(world, at.x(), at.y(), 600, 400);
    for (const int step : {100, 0}) {
      slider->setValue(step);
      const QImage picture = view->image().copy();
      MoveTo(view, at);
      const jouk::FieldProbe probe = jouk::ProbeField(flow, Q, step / 100.0, jouk::FlowView::kMain);
      QVERIFY(view->Mark().has_value());
      QCOMPARE(*view->Mark(), probe.other);
      // At the section the circle-plane point, at the circle plane the image point.
      const jouk::SurfaceFlow& f = flow.surface;
      const double other = step == 100 ? 0 : 1;
      QCOMPARE(*view->Mark(), jouk::StagePoint(probe.value.circle, other, f.b, f.cosAlfa, f.sinAlfa,
                                               jouk::FlowView::kMain));
      QCOMPARE(Child<QLabel>(*window, "Label_Readout")->text(),
               ReadoutAt(flow, Q, step / 100.0, jouk::FlowView::kMain));
      QCOMPARE(view->image(), picture);  // the mark is not in the picture
      const QImage screen = Pixels(view->grab().toImage());
      const jouk::DeviceMap map(world, screen.width(), screen.height());
      const jouk::DevicePoint ring = map.ToDevice(probe.other.real(), probe.other.imag());
      int marked = 0;
      for (int y = std::max(0, int(ring.v) - 9); y < std::min(screen.height(), int(ring.v) + 9);
           ++y) {
        for (int x = std::max(0, int(ring.u) - 9); x < std::min(screen.width(), int(ring.u) + 9);
             ++x) {
          marked += QColor(screen.pixel(x, y)) == FieldView::MarkColour();
        }
      }
      QVERIFY(marked > 8);
    }
    // At the section the readout is the tooltip's.
    slider->setValue(100);
    QCOMPARE(Child<QLabel>(*window, "Label_Readout")->text(),
             Child<PlotHover>(w.form, "PlotHover")->TextAt(at));
    QApplication::sendEvent(view, new QEvent(QEvent::Leave));
    QVERIFY(!view->Mark().has_value());
    QVERIFY(Child<QLabel>(*window, "Label_Readout")->text().isEmpty());

    // Play runs the slider; Pause leaves it.
    auto* play = Child<QPushButton>(*window, "Button_Play");
    slider->setValue(0);
    play->click();
    QTRY_VERIFY_WITH_TIMEOUT(slider->value() > 0, 3000);
    play->click();
    const int stopped = slider->value();
    QTest::qWait(100);
    QCOMPARE(slider->value(), stopped);
  }

  // Save writes the exporter's files for the picture shown; Copy puts the picture shown on the
  // clipboard; a failed save says why.
  void savesAreTheExportersFiles() {
    CollectingWindow w;
    QWidget* window = StartedFieldWindow(w.form);
    auto* field = qobject_cast<Form_Field*>(window);
    Child<QSlider>(*window, "Slider_Map")->setValue(50);
    Child<QCheckBox>(*window, "Check_Cp")->setChecked(true);
    QTemporaryDir dir;
    QString answer;
    field->SetFileChooser(
        [&answer](const QString&, const QString&, const QStringList&, QString*) { return answer; });
    const jouk::FieldPictureSetup setup{.t = 0.5, .cp = true, .view = jouk::FlowView::kMain};
    jouk::MessageId reason{};
    answer = dir.filePath(QStringLiteral("field.png"));
    Child<QPushButton>(*window, "Button_Save")->click();
    QCOMPARE(ReadAll(answer), jouk::FieldPng(Store(w.form), setup, 600, 400, 1, reason));
    answer = dir.filePath(QStringLiteral("field.svg"));
    Child<QPushButton>(*window, "Button_Save")->click();
    std::string svg;
    QVERIFY(jouk::FieldSvg(Store(w.form), setup, 600, 400, jouk::PictureDescription(kSteep, 0), svg,
                           reason));
    QCOMPARE(ReadAll(answer), QByteArray::fromStdString(svg));
    Child<QPushButton>(*window, "Button_Copy")->click();
    QCOMPARE(Pixels(QGuiApplication::clipboard()->image()),
             Pixels(Child<FieldView>(*window, "FieldView")->image()));
    QCOMPARE(w.messages.size(), 0);
    answer = dir.filePath(QStringLiteral("missing/field.png"));
    Child<QPushButton>(*window, "Button_Save")->click();
    QCOMPARE(w.messages.size(), 1);
    QVERIFY2(w.messages[0].contains(QStringLiteral("No such file or directory")),
             qPrintable(w.messages[0]));
  }

  // A dark theme changes the controls, not the picture.
  void darkThemeKeepsThePicturesColours() {
    CollectingWindow w;
    QWidget* window = StartedFieldWindow(w.form);
    auto* view = Child<FieldView>(*window, "FieldView");
    const QImage light = view->image().copy();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, Qt::white);
    const QPalette old = QApplication::palette();
    QApplication::setPalette(dark);
    QApplication::processEvents();
    Child<QCheckBox>(*window, "Check_Cp")->toggle();
    Child<QCheckBox>(*window, "Check_Cp")->toggle();
    QCOMPARE(view->image(), light);
    QCOMPARE(window->palette().color(QPalette::Window), QColor(30, 30, 30));
    QApplication::setPalette(old);
  }
};

QTEST_MAIN(FieldWindowTest)
#include "FieldWindowTest.moc"
