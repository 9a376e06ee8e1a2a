#include "ui/PlotMenu.hpp"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <memory>
#include <utility>

#include "export/ExportPictures.hpp"
#include "export/FlowCsv.hpp"
#include "export/OutputFile.hpp"
#include "ui/PlotView.hpp"

namespace {

QAction* AddItem(QMenu* menu, const char* name, const QString& text) {
  QAction* action = menu->addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

// A copy of the window's flow as a freshly opened window would hold it: the same solution in the
// view shown, the animation's lines not yet drawn. The pictures replay START and the ticks shown
// on it.
std::unique_ptr<jouk::FlowState> FreshCopy(const jouk::FlowState& st) {
  auto copy = std::make_unique<jouk::FlowState>(st);
  copy->YAnim1 = jouk::PointGrid();
  copy->YAnim2 = jouk::PointGrid();
  copy->anim = jouk::AnimState();
  copy->anim.downstream = st.anim.downstream;  // the tunnel view's ripples travel downstream
  return copy;
}

}  // namespace

PlotMenu::PlotMenu(QWidget* parent, SnapshotSource source)
    : QMenu(parent),
      source_(std::move(source)),
      folder_(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)) {
  setObjectName(QStringLiteral("PlotMenu"));
  connect(AddItem(this, "Mn_Lift", tr("Lift and pressure…")), &QAction::triggered, this,
          &PlotMenu::liftRequested);
  AddFieldItems();
  addSeparator();
  const struct {
    const char* name;
    QString text;
    void (PlotMenu::*slot)();
  } items[] = {{"Mn_CopyPicture", tr("Copy picture"), &PlotMenu::CopyPicture},
               {"Mn_SavePicture", tr("Save picture…"), &PlotMenu::SavePicture},
               {"Mn_SaveAnimation", tr("Save animation…"), &PlotMenu::SaveAnimation},
               {"Mn_SavePoints", tr("Save points…"), &PlotMenu::SavePoints}};
  for (const auto& item : items) {
    QAction* action = AddItem(this, item.name, item.text);
    connect(action, &QAction::triggered, this, item.slot);
    saving_.append(action);
  }
  SetSolved(false);
  chooser_ = [this](const QString& caption, const QString& fileName, const QStringList& filters,
                    QString* chosenFilter) {
    return QFileDialog::getSaveFileName(parentWidget(), caption, fileName,
                                        filters.join(QStringLiteral(";;")), chosenFilter);
  };
}

void PlotMenu::AddFieldItems() {
  connect(AddItem(this, "Mn_Field", tr("Flow field…")), &QAction::triggered, this,
          &PlotMenu::fieldRequested);
  addSeparator();
  QAction* horizontal = AddItem(this, "Mn_FreeStreamHorizontal", tr("Free stream horizontal"));
  horizontal->setCheckable(true);
  horizontal->setChecked(false);
  connect(horizontal, &QAction::toggled, this, &PlotMenu::freeStreamHorizontalChanged);
}

void PlotMenu::SetFileChooser(FileChooser chooser) {
  chooser_ = std::move(chooser);
}

void PlotMenu::SetSolved(bool solved) {
  for (QAction* action : saving_) action->setEnabled(solved);
}

QString PlotMenu::Choose(const QString& caption, const QString& fileName,
                         const QStringList& filters, QString* chosenFilter) {
  const QString path =
      chooser_ ? chooser_(caption, QDir(folder_).filePath(fileName), filters, chosenFilter)
               : QString();
  if (!path.isEmpty()) folder_ = QFileInfo(path).absolutePath();
  return path;
}

void PlotMenu::Write(const QString& path, const std::string& bytes) {
  std::string error;
  if (bytes.empty()) {
    error = tr("the file could not be made.").toStdString();
  } else if (jouk::WriteOutput(QFile::encodeName(path).toStdString(), bytes, error)) {
    return;
  }
  NotSaved(path, error);
}

void PlotMenu::NotSaved(const QString& path, const std::string& reason) {
  emit failed(tr("%1 was not saved: %2")
                  .arg(QDir::toNativeSeparators(path), QString::fromStdString(reason)));
}

void PlotMenu::CopyPicture() {
  QGuiApplication::clipboard()->setImage(Snapshot().picture);
}

void PlotMenu::SavePicture() {
  const QString png = tr("PNG picture (*.png)");
  const QString svg = tr("SVG picture (*.svg)");
  QString filter = png;
  QString path = Choose(tr("Save picture"), QStringLiteral("streamlines.png"), {png, svg}, &filter);
  if (path.isEmpty()) return;
  // The name's own extension decides; a name without one takes the chosen filter's.
  const QString suffix = QFileInfo(path).suffix().toLower();
  const bool asSvg =
      suffix == QLatin1String("svg") || (suffix != QLatin1String("png") && filter == svg);
  if (suffix != QLatin1String("svg") && suffix != QLatin1String("png")) {
    path += asSvg ? QStringLiteral(".svg") : QStringLiteral(".png");
  }
  const PlotSnapshot shown = Snapshot();
  const int ticks = shown.ticks;
  const auto st = FreshCopy(*shown.flow);
  const int w = PlotView::kImageWidth, h = PlotView::kImageHeight;
  std::string bytes;
  if (asSvg) {
    bytes = jouk::WindowSvg(*st, ticks, w, h, jouk::PictureDescription(shown.texts, ticks));
  } else {
    const QByteArray png = jouk::WindowPng(*st, ticks, w, h);
    bytes.assign(png.constData(), static_cast<std::size_t>(png.size()));
  }
  Write(path, bytes);
}

void PlotMenu::SaveAnimation() {
  const QString path = Choose(tr("Save animation"), QStringLiteral("streamlines.gif"),
                              {tr("GIF animation (*.gif)")}, nullptr);
  if (path.isEmpty()) return;
  const auto st = FreshCopy(*Snapshot().flow);
  std::string bytes, error;
  // One period of the waves from the first frame: a loop without a seam.
  if (!jouk::WindowGif(*st, 1, jouk::kTicksPerTimeUnit, PlotView::kImageWidth,
                       PlotView::kImageHeight, jouk::kGifDelayCs, bytes, error)) {
    NotSaved(path, error);
    return;
  }
  Write(path, bytes);
}

void PlotMenu::SavePoints() {
  const QString path = Choose(tr("Save points"), QStringLiteral("streamlines.csv"),
                              {tr("CSV table (*.csv)")}, nullptr);
  if (path.isEmpty()) return;
  Write(path, jouk::StreamlinesCsv(*Snapshot().flow));
}
