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
#include "layout/WindowLayout.hpp"
#include "model/FlowPicture.hpp"
#include "ui/PlotView.hpp"
#include "ui/Widgets.hpp"

namespace {

// The menu's item k of the layout, its caption translated.
QAction* AddItem(QMenu* menu, std::size_t k) {
  const jouk::MenuItemLayout& item = jouk::kPlotMenuItems.at(k);
  QAction* action = menu->addAction(LayoutText(jouk::kPlotMenuContext, item.caption));
  action->setObjectName(QString::fromLatin1(item.name));
  return action;
}

// An item of the window's own, named name.
QAction* AddNamedItem(QMenu* menu, const char* name, const QString& text) {
  QAction* action = menu->addAction(text);
  action->setObjectName(QString::fromLatin1(name));
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
                    QString* chosenFilter) {
    return QFileDialog::getSaveFileName(parentWidget(), caption, fileName,
                                        filters.join(QStringLiteral(";;")), chosenFilter);
  };
}

void PlotMenu::AddFieldItems() {
  connect(AddNamedItem(this, "Mn_Field", tr("Flow field…")), &QAction::triggered, this,
          &PlotMenu::fieldRequested);
  addSeparator();
  QAction* horizontal = AddNamedItem(this, "Mn_FreeStreamHorizontal", tr("Free stream horizontal"));
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
  QString path = Choose(tr("Save picture"), FileNameOf(jouk::kMenuPicture), {png, svg}, &filter);
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
  const auto st = jouk::FreshWindowCopy(*shown.flow);
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
  const QString path = Choose(tr("Save animation"), FileNameOf(jouk::kMenuAnimation),
                              {tr("GIF animation (*.gif)")}, nullptr);
  if (path.isEmpty()) return;
  const auto st = jouk::FreshWindowCopy(*Snapshot().flow);
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
  const QString path =
      Choose(tr("Save points"), FileNameOf(jouk::kMenuPoints), {tr("CSV table (*.csv)")}, nullptr);
  if (path.isEmpty()) return;
  Write(path, jouk::StreamlinesCsv(*Snapshot().flow));
}
