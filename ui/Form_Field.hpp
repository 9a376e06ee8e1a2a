// The flow field window: one picture of the current flow that turns from the circle plane into
// the section. A slider sets the stage t of the conformal map (0 the circle plane, 1 the
// section) and Play runs it up and down; a check box lays the pressure coefficient behind the
// lines as colour with its colour bar; a choice turns the picture into the wind tunnel's
// orientation. Under the pointer the readout of the main plot's tooltip shows, and a ring marks
// the corresponding point of the other plane. A top-level window of its own; it draws the
// store it is given and computes nothing else.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

#include "layout/FieldWindowLayout.hpp"
#include "model/FieldPicture.hpp"
#include "model/FlowField.hpp"
#include "model/Mdl_Common.hpp"
#include "model/Parameters.hpp"

class QCheckBox;
class QComboBox;
class QHideEvent;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;
class FieldView;

class Form_Field : public QWidget {
  Q_OBJECT

 public:
  // Asks for the file to save to: caption, suggested file name, name filters; the chosen filter
  // goes to *chosenFilter. An empty name means the user cancelled.
  using FileChooser = std::function<QString(const QString& caption, const QString& fileName,
                                            const QStringList& filters, QString* chosenFilter)>;

  // The slider's steps from the circle plane to the section.
  static constexpr int kStageSteps = jouk::kFieldWindow.stageSteps;

  // A top-level window without an owner, captioned "Flow field", waiting for a flow.
  explicit Form_Field(QWidget* parent = nullptr);

  // Shows the flow of an accepted recompute's store, which must outlive the window's use of it
  // (the main window's store), with the texts it was computed from.
  void ShowFlow(const jouk::FlowState& st, const jouk::ParameterTexts& texts);
  // Shows the empty picture and says that START shows the flow.
  void ShowNothingYet();

  // What the picture shows: the slider's stage, the pressure colours, the orientation.
  jouk::FieldPictureSetup Setup() const;

  // Replaces the file dialog (by default the toolkit's save dialog).
  void SetFileChooser(FileChooser chooser);

 protected:
  // A hidden window does not play: its store may change before it is shown again.
  void hideEvent(QHideEvent* event) override;

 signals:
  // A save failed; the message names the file and the reason.
  void failed(const QString& message);

 private:
  // Why the main picture's free stream is inclined, what the slider does and what is marked.
  QLabel* BuildHelp();
  // The slider, Play, the pressure colours' check box and the orientation's choice.
  QWidget* BuildControls();
  // Draws the picture for the controls as they stand, and the readout where the pointer is.
  void Redraw();
  // The readout and the mark for the pointer at the world point (x, y); none without a flow.
  void Hover(double x, double y);
  void ClearReadout();
  // One step of Play: the stage from the time since it started.
  void PlayStep();
  void TogglePlay(bool on);
  void Copy();
  void Save();

  FieldView* view_;
  QSlider* stage_;
  QPushButton* play_;
  QCheckBox* cp_;
  QComboBox* orientation_;
  QLabel* readout_;
  QLabel* note_;
  QTimer* playTimer_;
  QElapsedTimer played_;
  double playFrom_ = 0;

  const jouk::FlowState* st_ = nullptr;
  jouk::ParameterTexts texts_;
  std::optional<jouk::FieldFlow> flow_;
  std::optional<jouk::Complex> pointer_;  // the world point under the pointer
  FileChooser chooser_;
  QString folder_;  // where the last file was saved
};
