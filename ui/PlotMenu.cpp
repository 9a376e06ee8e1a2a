#include "ui/PlotMenu.hpp"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QImageWriter>
#include <QLabel>
#include <QSpinBox>
#include <QStandardPaths>
#include <algorithm>
#include <memory>
#include <utility>

#include "export/ExportPictures.hpp"
#include "export/FlowCsv.hpp"
#include "export/OutputFile.hpp"
#include "ui/PlotView.hpp"

namespace {

// The toolkit's save dialog; for a raster picture (pen not null) with a choice of the pen's width
// below the file name, in the toolkit's own dialog, which has room for one.
QString AskForFile(QWidget* parent, const QString& caption, const QString& fileName,
                   const QStringList& filters, QString* chosenFilter, int* pen) {
  QFileDialog dialog(parent, caption, fileName);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  if (chosenFilter != nullptr && !chosenFilter->isEmpty()) dialog.selectNameFilter(*chosenFilter);
  QSpinBox* penBox = nullptr;
  if (pen != nullptr) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
      penBox = new QSpinBox(&dialog);
      penBox->setObjectName(QStringLiteral("PenWidth"));
      penBox->setRange(jouk::kMinPen, jouk::kMaxPen);
      penBox->setValue(*pen);
      penBox->setSuffix(PlotMenu::tr(" px"));
      auto* label =
          new QLabel(PlotMenu::tr("Pen width (PNG, GIF and other raster files):"), &dialog);
      label->setBuddy(penBox);
      const int row = grid->rowCount();
      grid->addWidget(label, row, 0);
      grid->addWidget(penBox, row, 1);
    }
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  if (chosenFilter != nullptr) *chosenFilter = dialog.selectedNameFilter();
  if (penBox != nullptr) *pen = penBox->value();
  return dialog.selectedFiles().constFirst();
}

QAction* AddItem(QMenu* menu, const char* name, const QString& text) {
  QAction* action = menu->addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

// A copy of the window's flow as a freshly opened window would hold it: the same solution, the
// animation's lines not yet drawn. The pictures replay START and the ticks shown on it.
std::unique_ptr<jouk::FlowState> FreshCopy(const jouk::FlowState& st) {
  auto copy = std::make_unique<jouk::FlowState>(st);
  copy->YAnim1 = jouk::PointGrid();
  copy->YAnim2 = jouk::PointGrid();
  copy->anim = jouk::AnimState();
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
                    QString* chosenFilter, int* pen) {
    return AskForFile(parentWidget(), caption, fileName, filters, chosenFilter, pen);
  };
}

void PlotMenu::AttachShortcuts(QWidget* plot) {
  const struct {
    const char* name;
    QKeySequence keys;
  } shortcuts[] = {{"Mn_CopyPicture", QKeySequence::Copy}, {"Mn_SavePicture", QKeySequence::Save}};
  for (const auto& s : shortcuts) {
    QAction* action = findChild<QAction*>(QString::fromLatin1(s.name));
    action->setShortcut(s.keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    plot->addAction(action);
  }
}

QStringList PlotMenu::PictureExtensions() {
  QStringList extensions{QStringLiteral("svg")};
  for (const QByteArray& format : QImageWriter::supportedImageFormats()) {
    extensions.append(QString::fromLatin1(format).toLower());
  }
  extensions.removeDuplicates();
  return extensions;
}

void PlotMenu::SetFileChooser(FileChooser chooser) {
  chooser_ = std::move(chooser);
}

void PlotMenu::SetSolved(bool solved) {
  for (QAction* action : saving_) action->setEnabled(solved);
}

QString PlotMenu::Choose(const QString& caption, const QString& fileName,
                         const QStringList& filters, QString* chosenFilter, int* pen) {
  const QString path =
      chooser_ ? chooser_(caption, QDir(folder_).filePath(fileName), filters, chosenFilter, pen)
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
  int pen = pen_;
  QString path =
      Choose(tr("Save picture"), QStringLiteral("streamlines.png"), {png, svg}, &filter, &pen);
  if (path.isEmpty()) return;
  pen_ = std::clamp(pen, jouk::kMinPen, jouk::kMaxPen);
  // The name's own extension decides; a name without one takes the chosen filter's.
  QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix.isEmpty()) {
    suffix = filter == svg ? QStringLiteral("svg") : QStringLiteral("png");
    path += QLatin1Char('.') + suffix;
  }
  QString refusal;
  const std::string bytes = PictureBytes(suffix, pen_, &refusal);
  if (!refusal.isEmpty()) {
    NotSaved(path, refusal.toStdString());
    return;
  }
  Write(path, bytes);
}

std::string PlotMenu::PictureBytes(const QString& suffix, int pen, QString* error) const {
  if (!PictureExtensions().contains(suffix)) {
    *error = tr("pictures are written as %1 (by the name's extension), not as .%2")
                 .arg(PictureExtensions().join(QStringLiteral(", ")), suffix);
    return {};
  }
  const PlotSnapshot shown = Snapshot();
  const int ticks = shown.ticks;
  const auto st = FreshCopy(*shown.flow);
  const int w = PlotView::kImageWidth, h = PlotView::kImageHeight;
  if (suffix == QLatin1String("svg")) {
    return jouk::WindowSvg(*st, ticks, w, h, jouk::WindowSvgDescription(shown.texts, ticks, w, h));
  }
  const QByteArray image = jouk::WindowImage(*st, ticks, w, h, pen, suffix.toLatin1());
  return std::string(image.constData(), static_cast<std::size_t>(image.size()));
}

void PlotMenu::SaveAnimation() {
  int pen = pen_;
  const QString path = Choose(tr("Save animation"), QStringLiteral("streamlines.gif"),
                              {tr("GIF animation (*.gif)")}, nullptr, &pen);
  if (path.isEmpty()) return;
  pen_ = std::clamp(pen, jouk::kMinPen, jouk::kMaxPen);
  const auto st = FreshCopy(*Snapshot().flow);
  std::string bytes, error;
  // One period of the waves from the first frame: a loop without a seam.
  if (!jouk::WindowGif(*st, 1, jouk::kTicksPerTimeUnit, PlotView::kImageWidth,
                       PlotView::kImageHeight, jouk::kGifDelayCs, bytes, error, pen_)) {
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
