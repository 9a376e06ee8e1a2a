// The plot's context menu: the lift window, and the picture, the animation and the points of the
// flow as shown, to the clipboard or to files (the same files joukowsky-export writes).
#pragma once

#include <QMenu>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

class Form1;
class QAction;

class PlotMenu : public QMenu {
  Q_OBJECT

 public:
  // Asks for the file to save to: caption, suggested file name, name filters; the chosen filter
  // goes to *chosenFilter. An empty name means the user cancelled.
  using FileChooser = std::function<QString(const QString& caption, const QString& fileName,
                                            const QStringList& filters, QString* chosenFilter)>;

  // The menu of the window's plot; its copy and save items wait for the first recompute.
  explicit PlotMenu(Form1& window);

  // Replaces the file dialog (by default the toolkit's save dialog).
  void SetFileChooser(FileChooser chooser);

  // Enables the copy and save items once there is a flow to copy or save.
  void SetSolved(bool solved);

 signals:
  // "Lift and pressure…" was chosen.
  void liftRequested();

 private:
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

  Form1& window_;
  FileChooser chooser_;
  QString folder_;  // where the last file was saved
  QList<QAction*> saving_;
};
