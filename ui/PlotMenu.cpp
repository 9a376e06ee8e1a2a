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
#include "layout/FieldWindowLayout.hpp"
#include "layout/WindowLayout.hpp"
#include "model/FlowPicture.hpp"
#include "ui/PlotView.hpp"
#include "ui/Widgets.hpp"

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

// The menu's item k of the layout, its caption translated.
QAction* AddItem(QMenu* menu, std::size_t k) {
  const jouk::MenuItemLayout& item = jouk::kPlotMenuItems.at(k);
  QAction* action = menu->addAction(LayoutText(jouk::kPlotMenuContext, item.caption));
  action->setObjectName(QString::fromLatin1(item.name));
  return action;
}

// An item the flow field brings, its caption translated.
QAction* AddFieldItem(QMenu* menu, const jouk::FieldMenuItem& item) {
  QAction* action = menu->addAction(LayoutText(jouk::kPlotMenuContext, item.caption));
  action->setObjectName(QString::fromLatin1(item.name));
  return action;
}

QString FileNameOf(std::size_t k) {
  return QString::fromLatin1(jouk::kPlotMenuItems.at(k).fileName);
}

}  // namespace

PlotMenu::PlotMenu(QWidget* parent, SnapshotSource source)
    : QMenu(parent),
      source_(std::move(source)),
      folder_(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)) {
  setObjectName(QStringLiteral("PlotMenu"));
  connect(AddItem(this, jouk::kMenuLift), &QAction::triggered, this, &PlotMenu::liftRequested);
  AddFieldItems();
  addSeparator();
  const struct {
    std::size_t item;
    void (PlotMenu::*slot)();
  } items[] = {{jouk::kMenuCopy, &PlotMenu::CopyPicture},
               {jouk::kMenuPicture, &PlotMenu::SavePicture},
               {jouk::kMenuAnimation, &PlotMenu::SaveAnimation},
               {jouk::kMenuPoints, &PlotMenu::SavePoints}};
  for (const auto& item : items) {
    QAction* action = AddItem(this, item.item);
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

void PlotMenu::AddFieldItems() {
  connect(AddFieldItem(this, jouk::kFieldMenuItem), &QAction::triggered, this,
          &PlotMenu::fieldRequested);
  addSeparator();
  QAction* horizontal = AddFieldItem(this, jouk::kHorizontalMenuItem);
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
    error = LayoutText(jouk::kPlotMenuContext, jouk::kNotMadeText).toStdString();
  } else if (jouk::WriteOutput(QFile::encodeName(path).toStdString(), bytes, error)) {
    return;
  }
  NotSaved(path, error);
}

void PlotMenu::NotSaved(const QString& path, const std::string& reason) {
  emit failed(LayoutText(jouk::kPlotMenuContext, jouk::kNotSavedText)
                  .arg(QDir::toNativeSeparators(path), QString::fromStdString(reason)));
}

void PlotMenu::CopyPicture() {
  QGuiApplication::clipboard()->setImage(Snapshot().picture);
}

void PlotMenu::SavePicture() {
  const QString png = LayoutText(jouk::kPlotMenuContext, jouk::kPngPictureFilter);
  const QString svg = LayoutText(jouk::kPlotMenuContext, jouk::kSvgPictureFilter);
  QString filter = png;
  int pen = pen_;
  QString path =
      Choose(tr("Save picture"), FileNameOf(jouk::kMenuPicture), {png, svg}, &filter, &pen);
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
  const auto st = jouk::FreshWindowCopy(*shown.flow);
  const int w = PlotView::kImageWidth, h = PlotView::kImageHeight;
  if (suffix == QLatin1String("svg")) {
    return jouk::WindowSvg(
        *st, ticks, w, h,
        jouk::WindowSvgDescription(shown.texts, ticks, w, h, shown.flow->anim.downstream));
  }
  const QByteArray image = jouk::WindowImage(*st, ticks, w, h, pen, suffix.toLatin1());
  return std::string(image.constData(), static_cast<std::size_t>(image.size()));
}

void PlotMenu::SaveAnimation() {
  int pen = pen_;
  const QString path = Choose(tr("Save animation"), FileNameOf(jouk::kMenuAnimation),
                              {tr("GIF animation (*.gif)")}, nullptr, &pen);
  if (path.isEmpty()) return;
  pen_ = std::clamp(pen, jouk::kMinPen, jouk::kMaxPen);
  const auto st = jouk::FreshWindowCopy(*Snapshot().flow);
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
  const QString path =
      Choose(tr("Save points"), FileNameOf(jouk::kMenuPoints), {tr("CSV table (*.csv)")}, nullptr);
  if (path.isEmpty()) return;
  Write(path, jouk::StreamlinesCsv(*Snapshot().flow));
}
