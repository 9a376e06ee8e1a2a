// The plot's context menu: the lift window, the flow field window, the view of the free stream
// horizontal, and the picture, the animation and the points of the
// flow as shown, to the clipboard or to files (the same files joukowsky-export writes). It knows
// nothing of the window around the plot: what the plot shows comes as a snapshot from a source
// the window hands it, and a save that fails is reported by a signal.
#pragma once

#include <QImage>
#include <QMenu>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "model/Mdl_Common.hpp"
#include "model/Parameters.hpp"

class QAction;

// What the plot shows, as the menu copies and saves it.
struct PlotSnapshot {
  const jouk::FlowState* flow = nullptr;  // the store with the last accepted solution; not null
  jouk::ParameterTexts texts;             // the texts of that recompute
  int ticks = 0;                          // animation ticks shown since its start
  QImage picture;                         // the plot's picture as shown
};

class PlotMenu : public QMenu {
  Q_OBJECT

 public:
  // Hands over what the plot shows at the moment an item is chosen.
  using SnapshotSource = std::function<PlotSnapshot()>;
  // Asks for the file to save to: caption, suggested file name, name filters; the chosen filter
  // goes to *chosenFilter. An empty name means the user cancelled.
  using FileChooser = std::function<QString(const QString& caption, const QString& fileName,
                                            const QStringList& filters, QString* chosenFilter)>;

  // The menu of a plot whose content `source` hands over; its copy and save items wait for the
  // first recompute (SetSolved). The file dialog opens over `parent`.
  PlotMenu(QWidget* parent, SnapshotSource source);

  // Replaces the file dialog (by default the toolkit's save dialog).
  void SetFileChooser(FileChooser chooser);

  // Enables the copy and save items once there is a flow to copy or save.
  void SetSolved(bool solved);

  // What the plot shows now, as the source hands it over.
  PlotSnapshot Snapshot() const { return source_(); }

 signals:
  // "Lift and pressure…" was chosen.
  void liftRequested();
  // "Flow field…" was chosen.
  void fieldRequested();
  // "Free stream horizontal" was checked (true) or cleared (false).
  void freeStreamHorizontalChanged(bool horizontal);
  // A save failed; the message names the file and the reason.
  void failed(const QString& message);

 private:
  // "Flow field…" and the checkable "Free stream horizontal", off at every start.
  void AddFieldItems();
  void CopyPicture();
  void SavePicture();
  void SaveAnimation();
  void SavePoints();
  // Asks for a file; empty when the user cancelled.
  QString Choose(const QString& caption, const QString& fileName, const QStringList& filters,
                 QString* chosenFilter);
  // Writes the bytes to the file through the safe replacement; a failure is reported with its
  // reason and leaves any file there as it was.
  void Write(const QString& path, const std::string& bytes);
  // Reports that the file was not saved, and why.
  void NotSaved(const QString& path, const std::string& reason);

  SnapshotSource source_;
  FileChooser chooser_;
  QString folder_;  // where the last file was saved
  QList<QAction*> saving_;
};
