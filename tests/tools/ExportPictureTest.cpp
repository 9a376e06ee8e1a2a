// joukowsky-export's pictures against the window: the PNG pixel for pixel against the plot of a
// window after START and the same ticks, the SVG's paths, colours and coordinates against the
// window's flow and against the PNG.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtTest>
#include <cmath>
#include <limits>
#include <map>
#include <tuple>
#include <vector>

#include "export/ExportPictures.hpp"
#include "model/FlowPicture.hpp"
#include "model/Recompute.hpp"
#include "tests/ui/UiTestSupport.hpp"
#include "ui/Form1.hpp"
#include "ui/Form_Field.hpp"
#include "ui/PlotMenu.hpp"
#include "ui/PlotView.hpp"

namespace {

struct Run {
  int status = -1;
  QByteArray out, err;
};

Run Export(const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(JOUK_EXPORT_EXE), args);
  Run run;
  if (!process.waitForFinished(120000)) return run;
  run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

// A window whose text boxes hold the texts of the options, after START and `ticks` ticks of its
// animation, given by hand.
struct StartedWindow {
  Form1 form;
  QStringList messages;

  StartedWindow(const QStringList& parameters, int ticks) {
    form.SetMessageSink([this](const QString& message) { messages.append(message); });
    // The options' texts, as the exporter takes them, into the parameter set.
    jouk::ParameterTexts texts;
    for (qsizetype k = 0; k + 1 < parameters.size(); k += 2) {
      const jouk::ParameterFacts* p = jouk::ParameterByOption(parameters[k].toStdString());
      if (p == nullptr) qFatal("no parameter for %s", qPrintable(parameters[k]));
      texts.*(p->text) = parameters[k + 1].toStdString();
    }
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) qFatal("the window is not shown");
    StartWithTexts(form, texts);
    for (int tick = 0; tick < ticks; ++tick) form.Timer1_Timer();
    QApplication::processEvents();
  }
  PlotView* picture() { return Child<PlotView>(form, "Picture3"); }
  const jouk::FlowState& state() const { return Store(form); }
};

// The raster's device position of a world point for the window from Olcek on a picture of the
// given size, before any flooring to pixels.
QPointF Device(double olcek, double x, double y, QSize size) {
  const jouk::DevicePoint p =
      jouk::DeviceMap(jouk::WorldWindowFor(olcek), size.width(), size.height()).ToDevice(x, y);
  return {p.u, p.v};
}

struct SvgPath {
  QString id, stroke, fill, strokeWidth;
  std::vector<std::vector<QPointF>> subpaths;  // each begins at an M
};

struct Svg {
  QString width, height, viewBox, rectFill, rectWidth, rectHeight, desc;
  std::vector<SvgPath> paths;
  QString error;
};

Svg ParseSvg(const QByteArray& text) {
  Svg svg;
  QXmlStreamReader xml(text);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QXmlStreamAttributes a = xml.attributes();
    if (xml.name() == QLatin1String("svg")) {
      svg.width = a.value(QLatin1String("width")).toString();
      svg.height = a.value(QLatin1String("height")).toString();
      svg.viewBox = a.value(QLatin1String("viewBox")).toString();
    } else if (xml.name() == QLatin1String("rect")) {
      svg.rectFill = a.value(QLatin1String("fill")).toString();
      svg.rectWidth = a.value(QLatin1String("width")).toString();
      svg.rectHeight = a.value(QLatin1String("height")).toString();
    } else if (xml.name() == QLatin1String("desc")) {
      svg.desc = xml.readElementText();
    } else if (xml.name() == QLatin1String("path")) {
      SvgPath path{a.value(QLatin1String("id")).toString(),
                   a.value(QLatin1String("stroke")).toString(),
                   a.value(QLatin1String("fill")).toString(),
                   a.value(QLatin1String("stroke-width")).toString(),
                   {}};
      const QString d = a.value(QLatin1String("d")).toString().simplified();
      const QStringList tokens = d.isEmpty() ? QStringList() : d.split(QLatin1Char(' '));
      if (tokens.size() % 2 != 0) {
        svg.error = QStringLiteral("odd path data in ") + path.id;
        return svg;
      }
      for (qsizetype k = 0; k + 1 < tokens.size(); k += 2) {
        const QChar command = tokens[k].front();
        if (command == QLatin1Char('M')) path.subpaths.emplace_back();
        if ((command != QLatin1Char('M') && command != QLatin1Char('L')) || path.subpaths.empty()) {
          svg.error = QStringLiteral("bad path data at ") + tokens[k];
          return svg;
        }
        path.subpaths.back().emplace_back(tokens[k].mid(1).toDouble(), tokens[k + 1].toDouble());
      }
      svg.paths.push_back(std::move(path));
    }
  }
  if (xml.hasError()) svg.error = xml.errorString();
  return svg;
}

const SvgPath* PathNamed(const Svg& svg, const QString& id) {
  for (const SvgPath& p : svg.paths) {
    if (p.id == id) return &p;
  }
  return nullptr;
}

// The points of a path drawn in one stroke equal the device positions of the given points.
bool SameCoordinates(const SvgPath& path, const double* x, const double* y, int count, double olcek,
                     QSize size, QString& why) {
  if (path.subpaths.size() != 1 || path.subpaths[0].size() != static_cast<std::size_t>(count)) {
    why = path.id + QStringLiteral(": not one stroke of %1 points").arg(count);
    return false;
  }
  for (int k = 0; k < count; ++k) {
    const QPointF expected = Device(olcek, x[k], y[k], size);
    const QPointF got = path.subpaths[0][static_cast<std::size_t>(k)];
    if (std::fabs(got.x() - expected.x()) > 0.6e-4 || std::fabs(got.y() - expected.y()) > 0.6e-4) {
      why = path.id + QStringLiteral(": point %1 at %2,%3, not %4,%5")
                          .arg(k + 1)
                          .arg(got.x())
                          .arg(got.y())
                          .arg(expected.x())
                          .arg(expected.y());
      return false;
    }
  }
  return true;
}

bool NearPixelBorder(double p) {
  return std::fabs(p - std::round(p)) < 1e-3;
}

}  // namespace

class ExportPictureTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

 private slots:
  // The window's saves write what joukowsky-export writes for the texts and the moment shown:
  // the picture as PNG or SVG (by the name's extension, else by the chosen filter), the looping
  // animation and the points.
  void windowSavesAreTheExportersFiles() {
    const QStringList parameters{"--alpha", "12", "--nsl", "6", "--delta", "0.18"};
    StartedWindow w(parameters, 7);
    auto* menu = w.form.findChild<PlotMenu*>(QStringLiteral("PlotMenu"));
    QVERIFY(menu != nullptr);
    QString answer, answerFilter;
    menu->SetFileChooser(
        [&](const QString&, const QString&, const QStringList& filters, QString* chosen, int*) {
          if (chosen != nullptr && !answerFilter.isEmpty()) {
            for (const QString& f : filters) {
              if (f.contains(answerFilter)) *chosen = f;
            }
          }
          return answer;
        });
    const struct {
      const char* item;
      QString file, filter;
      QStringList exporter;
    } saves[] = {
        {"Mn_SavePicture", "picture.png", "", {"--format", "png", "--time", "0.7"}},
        {"Mn_SavePicture", "picture.svg", "", {"--format", "svg", "--time", "0.7"}},
        {"Mn_SavePicture", "no-extension", "*.svg", {"--format", "svg", "--time", "0.7"}},
        {"Mn_SaveAnimation", "loop.gif", "", {"--format", "gif"}},
        {"Mn_SavePoints", "points.csv", "", {"--format", "csv"}},
    };
    for (const auto& save : saves) {
      answer = dir_.filePath(save.file);
      answerFilter = save.filter;
      Child<QAction>(*menu, save.item)->trigger();
      QString written = answer;
      if (!save.filter.isEmpty()) written += QStringLiteral(".svg");
      QFile file(written);
      QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(written));
      const Run run = Export(parameters + save.exporter);
      QCOMPARE(run.status, 0);
      QVERIFY2(file.readAll() == run.out, qPrintable(save.file));
    }
    QVERIFY(w.messages.isEmpty());
  }

  // With a pen of 1, 3 or 8 pixels the window's saved picture and animation are the exporter's,
  // and hold the three colours only; another extension of the image writer's is written in its
  // format, any other refused with the formats offered, the name never changed.
  void windowSavesWithAPenAndOtherFormats() {
    const QStringList parameters{"--alpha", "12", "--nsl", "6"};
    StartedWindow w(parameters, 7);
    auto* menu = w.form.findChild<PlotMenu*>(QStringLiteral("PlotMenu"));
    QString answer;
    int pen = 1;
    menu->SetFileChooser(
        [&](const QString&, const QString&, const QStringList&, QString*, int* chosen) {
          if (chosen != nullptr) *chosen = pen;
          return answer;
        });
    for (const int p : {1, 3, 8}) {
      pen = p;
      const QString n = QString::number(p);
      for (const auto& [item, file, format] :
           {std::tuple{"Mn_SavePicture", "pen.png",
                       QStringList{"--format", "png", "--time", "0.7"}},
            std::tuple{"Mn_SaveAnimation", "pen.gif", QStringList{"--format", "gif"}}}) {
        answer = dir_.filePath(n + QLatin1String(file));
        Child<QAction>(*menu, item)->trigger();
        QFile saved(answer);
        QVERIFY2(saved.open(QIODevice::ReadOnly), qPrintable(answer));
        const Run run = Export(parameters + format + QStringList{"--pen", n});
        QCOMPARE(run.status, 0);
        QVERIFY2(saved.readAll() == run.out, qPrintable(answer));
      }
      QImage image(dir_.filePath(n + QLatin1String("pen.png")));
      QSet<QRgb> colours;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y) | 0xff000000u);
      }
      QCOMPARE(colours, (QSet<QRgb>{kBackground, kContour, kStreamline}));
    }
    pen = 3;
    answer = dir_.filePath(QStringLiteral("picture.bmp"));
    Child<QAction>(*menu, "Mn_SavePicture")->trigger();
    QImage bmp(answer, "BMP");
    QCOMPARE(bmp.size(), QSize(600, 400));
    QImage png(dir_.filePath(QStringLiteral("3pen.png")));
    QCOMPARE(bmp.convertToFormat(QImage::Format_RGB32), png.convertToFormat(QImage::Format_RGB32));
    QVERIFY(w.messages.isEmpty());
    answer = dir_.filePath(QStringLiteral("picture.xyz"));
    Child<QAction>(*menu, "Mn_SavePicture")->trigger();
    QCOMPARE(w.messages.size(), 1);
    QVERIFY2(w.messages[0].contains(QStringLiteral("svg, ")) &&
                 w.messages[0].contains(QStringLiteral("png")) &&
                 w.messages[0].contains(QStringLiteral("not as .xyz")),
             qPrintable(w.messages[0]));
    QVERIFY(!QFile::exists(answer));
    QVERIFY(!QFile::exists(answer + QStringLiteral(".png")));
  }

  // The SVG's description holds the exporter's command line that makes the very same file: from
  // the exporter, and from the window's save.
  void svgDescriptionMakesTheSameFileAgain() {
    const QStringList parameters{"--alpha", "7 deg", "--delta", "0,12", "--nsl", "3.7"};
    const Run first = Export(
        parameters + QStringList{"--format", "svg", "--time", "12345.6", "--size", "900x600"});
    QCOMPARE(first.status, 0);
    StartedWindow w(parameters, 13);
    auto* menu = w.form.findChild<PlotMenu*>(QStringLiteral("PlotMenu"));
    const QString saved = dir_.filePath(QStringLiteral("described.svg"));
    menu->SetFileChooser(
        [&](const QString&, const QString&, const QStringList&, QString*, int*) { return saved; });
    Child<QAction>(*menu, "Mn_SavePicture")->trigger();
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    for (const QByteArray& svg : {first.out, file.readAll()}) {
      const Svg parsed = ParseSvg(svg);
      const qsizetype at = parsed.desc.indexOf(QStringLiteral("Made by: joukowsky-export "));
      QVERIFY2(at >= 0, qPrintable(parsed.desc));
      const QString command = parsed.desc.mid(at + 9);
      QProcess shell;
      shell.start(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"), QStringLiteral("\"$0\"") + command.mid(16),
                   QStringLiteral(JOUK_EXPORT_EXE)});
      QVERIFY(shell.waitForFinished(60000));
      QCOMPARE(shell.exitCode(), 0);
      QVERIFY2(shell.readAllStandardOutput() == svg, qPrintable(command));
    }
  }

  // With the free stream horizontal the plot's saves are the exporter's --view tunnel files, and
  // the flow field window's saves its --format field pictures for the stage and colours shown.
  void tunnelAndFieldSavesAreTheExportersFiles() {
    const QStringList parameters{"--alpha", "20", "--scale", "2"};
    StartedWindow w(parameters, 3);
    Child<QAction>(w.form, "Mn_FreeStreamHorizontal")->setChecked(true);
    Child<QAction>(w.form, "Mn_Field")->trigger();
    auto* field = qobject_cast<Form_Field*>(TopLevel("Form_Field"));
    QVERIFY(field != nullptr);
    Child<QSlider>(*field, "Slider_Map")->setValue(Form_Field::kStageSteps / 2);
    Child<QCheckBox>(*field, "Check_Cp")->setChecked(true);
    QString answer;
    const auto chooser = [&answer](const QString&, const QString&, const QStringList&, QString*) {
      return answer;
    };
    const auto menuChooser = [&answer](const QString&, const QString&, const QStringList&, QString*,
                                       int*) { return answer; };
    Child<PlotMenu>(w.form, "PlotMenu")->SetFileChooser(menuChooser);
    field->SetFileChooser(chooser);
    const QStringList tunnel{"--view", "tunnel", "--time", "0.3"};
    const QStringList stage{"--format", "field", "--map", "0.5", "--cp"};
    const struct {
      const char* file;
      bool fromField;
      QStringList exporter;
    } saves[] = {
        {"tunnel.png", false, QStringList{"--format", "png"} + tunnel},
        {"tunnel.svg", false, QStringList{"--format", "svg"} + tunnel},
        {"field.png", true, stage + QStringList{"--output", dir_.filePath("exported.png")}},
        {"field.svg", true, stage + QStringList{"--output", dir_.filePath("exported.svg")}},
    };
    for (const auto& save : saves) {
      answer = dir_.filePath(QString::fromLatin1(save.file));
      if (save.fromField) {
        Child<QPushButton>(*field, "Button_Save")->click();
      } else {
        Child<QAction>(w.form, "Mn_SavePicture")->trigger();
      }
      QFile file(answer);
      QVERIFY2(file.open(QIODevice::ReadOnly), save.file);
      const Run run = Export(parameters + save.exporter);
      QCOMPARE(run.status, 0);
      QByteArray exported = run.out;
      if (save.fromField) {
        QFile out(save.exporter.last());
        QVERIFY(out.open(QIODevice::ReadOnly));
        exported = out.readAll();
      }
      QVERIFY2(file.readAll() == exported, save.file);
    }
    QVERIFY(w.messages.isEmpty());
  }

  void pngEqualsTheWindowAfterStartAndTicks_data() {
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<QString>("time");
    QTest::addColumn<int>("ticks");
    QTest::newRow("start-up texts, first frame") << QStringList() << QString() << 1;
    QTest::newRow("start picture alone") << QStringList() << QStringLiteral("0") << 0;
    QTest::newRow("steeper, fewer, wider")
        << QStringList{"--alpha", "10", "--nsl", "6", "--scale", "1.5"} << QStringLiteral("0.4")
        << 4;
    QTest::newRow("thick, cambered, half the circulation")
        << QStringList{"--delta", "0.2", "--gamma", "0.06", "--alpha", "-5",
                       "--kutta", "0.5", "--dpsi",  "0.05", "--dr",    "0.02"}
        << QStringLiteral("1.3") << 13;
    QTest::newRow("odd count, close up, typed texts")
        << QStringList{"--nsl", "7", "--scale", "0.5", "--alpha", "20abc", "--delta", "0.1"}
        << QStringLiteral("2") << 20;
  }

  // The window's first tick erases along the lines of a fresh store (height 0) and every later
  // tick the frame before, cutting the contour here and there: the export shows the same.
  void pngEqualsTheWindowAfterStartAndTicks() {
    QFETCH(QStringList, parameters);
    QFETCH(QString, time);
    QFETCH(int, ticks);
    const QString file = dir_.filePath(QStringLiteral("flow.png"));
    QStringList args = parameters;
    args << QStringLiteral("--format") << QStringLiteral("png") << QStringLiteral("--output")
         << file;
    if (!time.isEmpty()) args << QStringLiteral("--time") << time;
    const Run run = Export(args);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QByteArray());
    // A typed text not read whole is told on standard error, the picture made all the same.
    const QByteArray note =
        parameters.contains(QStringLiteral("20abc"))
            ? QByteArray(
                  "joukowsky-export: note: --alpha: Read as 20: the text after the number "
                  "(\"abc\") is not read.\n")
            : QByteArray();
    QCOMPARE(run.err, note);
    QImage exported;
    QVERIFY(exported.load(file, "PNG"));
    exported = exported.convertToFormat(QImage::Format_RGB32);

    StartedWindow w(parameters, ticks);
    QVERIFY(w.messages.isEmpty());
    const QImage shown = w.picture()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, w.picture()->image());
    QCOMPARE(exported.size(), QSize(600, 400));
    QCOMPARE(exported, shown);

    // Not trivially so: the contour and, after a tick, the light-grey lines are there.
    int red = 0, grey = 0;
    for (int r = 0; r < 400; ++r) {
      for (int c = 0; c < 600; ++c) {
        red += exported.pixel(c, r) == kContour;
        grey += exported.pixel(c, r) == kStreamline;
      }
    }
    QVERIFY(red > 100);
    QVERIFY(ticks == 0 ? grey == 0 : grey > 1000);
  }

  // A larger picture shows the same world window: the displaced lines of the window's frame,
  // mapped to 900 × 600, lie on light-grey pixels; only the three colours occur.
  void pngOfAnotherSizeScalesTheWorldWindow() {
    const QString file = dir_.filePath(QStringLiteral("large.png"));
    const Run run = Export(
        {"--format", "png", "--size", "900x600", "--time", "0.3", "--output", file, "--nsl", "8"});
    QCOMPARE(run.status, 0);
    QImage exported;
    QVERIFY(exported.load(file, "PNG"));
    exported = exported.convertToFormat(QImage::Format_RGB32);
    QCOMPARE(exported.size(), QSize(900, 600));
    for (int r = 0; r < 600; ++r) {
      for (int c = 0; c < 900; ++c) {
        const QRgb p = exported.pixel(c, r);
        QVERIFY(p == kBackground || p == kContour || p == kStreamline);
      }
    }
    StartedWindow w({"--nsl", "8"}, 3);
    const jouk::FlowState& st = w.state();
    int checked = 0;
    for (int i = 1; i <= 8; ++i) {
      for (int j = 1; j <= st.nPts[static_cast<std::size_t>(i)]; ++j) {
        for (const double y : {st.YAnim1(i, j), st.YAnim2(i, j)}) {
          const QPointF d = Device(st.Olcek, st.XS(i, j), y, QSize(900, 600));
          if (!(d.x() >= 0 && d.x() < 900 && d.y() >= 0 && d.y() < 600)) continue;
          QCOMPARE(exported.pixel(int(d.x()), int(d.y())), kStreamline);
          ++checked;
        }
      }
    }
    QVERIFY(checked > 1000);
  }

  void svgHoldsTheContourAndTwoLinesPerStreamline_data() {
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<QString>("time");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("streamlines");
    QTest::newRow("start-up texts, first frame")
        << QStringList() << QString() << 1 << QSize(600, 400) << 10;
    QTest::newRow("four streamlines, later frame")
        << QStringList{"--nsl", "4", "--alpha", "12"} << QStringLiteral("0.5") << 5
        << QSize(600, 400) << 4;
    QTest::newRow("seven streamlines, larger")
        << QStringList{"--nsl", "7", "--scale", "2"} << QStringLiteral("0.1") << 1
        << QSize(900, 600) << 7;
    QTest::newRow("contour alone at time 0")
        << QStringList() << QStringLiteral("0") << 0 << QSize(600, 400) << 0;
  }

  // One red path for the contour and two light-grey paths per streamline, at the plot view's
  // device positions of the window's own points and displaced lines.
  void svgHoldsTheContourAndTwoLinesPerStreamline() {
    QFETCH(QStringList, parameters);
    QFETCH(QString, time);
    QFETCH(int, ticks);
    QFETCH(QSize, size);
    QFETCH(int, streamlines);
    QStringList args = parameters;
    args << QStringLiteral("--format") << QStringLiteral("svg");
    if (!time.isEmpty()) args << QStringLiteral("--time") << time;
    if (size != QSize(600, 400)) {
      args << QStringLiteral("--size")
           << QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
    }
    const Run run = Export(args);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    const Svg svg = ParseSvg(run.out);
    QVERIFY2(svg.error.isEmpty(), qPrintable(svg.error));

    const QString w = QString::number(size.width());
    const QString h = QString::number(size.height());
    QCOMPARE(svg.width, w);
    QCOMPARE(svg.height, h);
    QCOMPARE(svg.viewBox, QStringLiteral("0 0 %1 %2").arg(w, h));
    QCOMPARE(svg.rectFill, QStringLiteral("#505050"));
    QCOMPARE(svg.rectWidth, w);
    QCOMPARE(svg.rectHeight, h);
    int red = 0, grey = 0;
    for (const SvgPath& p : svg.paths) {
      QCOMPARE(p.fill, QStringLiteral("none"));
      QCOMPARE(p.strokeWidth, QStringLiteral("1"));
      red += p.stroke == QLatin1String("#ff0000");
      grey += p.stroke == QLatin1String("#c8c8c8");
    }
    QCOMPARE(red, 1);
    QCOMPARE(grey, 2 * streamlines);
    QCOMPARE(int(svg.paths.size()), red + grey);

    StartedWindow window(parameters, ticks);
    const jouk::FlowState& st = window.state();
    QString why;
    const SvgPath* contour = PathNamed(svg, QStringLiteral("contour"));
    QVERIFY(contour != nullptr);
    QCOMPARE(contour->stroke, QStringLiteral("#ff0000"));
    QVERIFY2(SameCoordinates(*contour, st.XS.Row(0) + 1, st.YS.Row(0) + 1, st.nPts[0], st.Olcek,
                             size, why),
             qPrintable(why));
    for (int i = 1; i <= streamlines; ++i) {
      const int n = st.nPts[static_cast<std::size_t>(i)];
      for (int line = 1; line <= 2; ++line) {
        const SvgPath* p = PathNamed(svg, QStringLiteral("streamline-%1-line-%2").arg(i).arg(line));
        QVERIFY(p != nullptr);
        QCOMPARE(p->stroke, QStringLiteral("#c8c8c8"));
        const double* y = (line == 1 ? st.YAnim1 : st.YAnim2).Row(i) + 1;
        QVERIFY2(SameCoordinates(*p, st.XS.Row(i) + 1, y, n, st.Olcek, size, why), qPrintable(why));
      }
    }
  }

  // The SVG's vertices fall on the PNG's pixels of the same colour: light grey for the lines
  // (drawn last), red for most of the contour (the ticks' erasing cuts a few of its pixels).
  void svgVerticesLieOnThePngPixels() {
    const QStringList common{"--alpha", "8", "--nsl", "6", "--time", "0.7"};
    const QString file = dir_.filePath(QStringLiteral("cross.png"));
    QCOMPARE(Export(common + QStringList{"--format", "png", "--output", file}).status, 0);
    const Run run = Export(common + QStringList{"--format", "svg"});
    QCOMPARE(run.status, 0);
    QImage png;
    QVERIFY(png.load(file, "PNG"));
    png = png.convertToFormat(QImage::Format_RGB32);
    const Svg svg = ParseSvg(run.out);
    QVERIFY2(svg.error.isEmpty(), qPrintable(svg.error));

    int greyChecked = 0, contourPoints = 0, contourRed = 0;
    for (const SvgPath& p : svg.paths) {
      for (const auto& sub : p.subpaths) {
        for (const QPointF& d : sub) {
          if (!(d.x() >= 0 && d.x() < 600 && d.y() >= 0 && d.y() < 400)) continue;
          if (NearPixelBorder(d.x()) || NearPixelBorder(d.y())) continue;
          const QRgb pixel = png.pixel(int(d.x()), int(d.y()));
          if (p.id == QLatin1String("contour")) {
            ++contourPoints;
            contourRed += pixel == kContour;
          } else {
            QCOMPARE(pixel, kStreamline);
            ++greyChecked;
          }
        }
      }
    }
    QVERIFY(greyChecked > 1000);
    QVERIFY(contourPoints >= 45);
    QVERIFY2(contourRed >= contourPoints * 3 / 4, qPrintable(QString::number(contourRed)));
  }

  // What the command line cannot reach: points that are not numbers break the path where the
  // plot view draws no segment, and the description is escaped.
  void svgBreaksPathsAtUndefinedPointsAndEscapesText() {
    jouk::FlowState st;
    jouk::LoadInitialisation(st);
    QVERIFY(jouk::Recompute(st, jouk::ParameterTexts{}).ok);
    jouk::AdvanceToFrame(st, 1);
    const int contourPoints = st.nPts[0];
    st.XS(0, 20) = 1e300;  // infinite in single precision
    st.YAnim1(3, 10) = std::numeric_limits<double>::quiet_NaN();
    const std::string text = jouk::PictureSvg(st, 600, 400, true, "a<b & \"c\" > d\n\x01\xce\xb4");
    const Svg svg = ParseSvg(QByteArray::fromStdString(text));
    QVERIFY2(svg.error.isEmpty(), qPrintable(svg.error));
    QCOMPARE(svg.desc, QStringLiteral("a<b & \"c\" > d????"));

    const SvgPath* contour = PathNamed(svg, QStringLiteral("contour"));
    QVERIFY(contour != nullptr);
    QCOMPARE(int(contour->subpaths.size()), 2);
    QCOMPARE(int(contour->subpaths[0].size() + contour->subpaths[1].size()), contourPoints - 1);
    QCOMPARE(int(PathNamed(svg, QStringLiteral("streamline-3-line-1"))->subpaths.size()), 2);
    QCOMPARE(int(PathNamed(svg, QStringLiteral("streamline-3-line-2"))->subpaths.size()), 1);

    // Without a frame only the background and the contour.
    const Svg bare = ParseSvg(QByteArray::fromStdString(jouk::PictureSvg(st, 600, 400, false, "")));
    QCOMPARE(int(bare.paths.size()), 1);
  }
};

QTEST_MAIN(ExportPictureTest)
#include "ExportPictureTest.moc"
