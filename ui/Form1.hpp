// The main window: the parameter frames with their text boxes and scroll bars, START and STOP,
// the plot area Picture3, the animation timer Timer1 and the "About" menu item, laid out as
// layout/WindowLayout.hpp lays them out. It owns the flow store for the whole run and
// orchestrates the two operations hesapla (recompute) and Başla (start drawing and animation).
// Its plot's menu sees what the plot shows through a snapshot the window hands it; the menu's
// "Free stream horizontal" has the plot draw the flow turned into the wind tunnel's view, and its
// "Flow field…" opens the flow field window. Over the plot a tooltip reads the flow at the
// pointer.
#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "model/Mdl_Common.hpp"
#include "model/Parameters.hpp"

class QAction;
class QCloseEvent;
class QGroupBox;
class QPushButton;
class QTimer;
class QWidget;
class Form_About;
class Form_Field;
class Form_Lift;
class ParameterScrollBar;
class ParameterTextBox;
class PlotHover;
class PlotMenu;
class PlotView;

class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  // Receives the message of a parameter set that cannot be computed.
  using MessageSink = std::function<void(const QString& message)>;

  // Builds the window with its start values, then runs the load initialisation of the store.
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // Recomputes the streamlines from the eight parameter texts. When the texts are rejected the
  // message goes to the message sink, the store keeps the previous solution and false is
  // returned.
  bool hesapla();

  // Sets the plot's background and world window, draws the contour and starts the animation.
  void Başla();

  // One tick of the animation: advance the time, erase the last frame, draw the next one.
  void Timer1_Timer();

  // Replaces the message sink (by default a warning box titled with the window caption).
  void SetMessageSink(MessageSink sink);

  // The eight texts as the text boxes hold them.
  jouk::ParameterTexts Texts() const;
  // Puts the eight texts into the text boxes (nothing is computed).
  void SetTexts(const jouk::ParameterTexts& texts);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The menu item, the frames, the parameters' controls, the commands, the plot, the timer and
  // the tab order, in that order.
  void BuildControls();
  // A frame of the client area, without a title.
  QGroupBox* BuildFrame(QWidget* client, std::size_t f);
  // Parameter k's label, text box and (but for the radial step) scroll bar, in its frame, the
  // scroll bar at its start position.
  void BuildParameterRow(std::size_t k, QGroupBox* frame);
  // START, STOP and the plot Picture3.
  void BuildCommandsAndPlot(QWidget* client);
  // The tab order of the layout; the focus starts on its first control.
  void SetTabOrder(QWidget* client);
  void ConnectActions();
  // Passes a message for the user (a rejection, a failed save) to the message sink.
  void Report(const QString& message);
  void ShowWarning(const QString& message);
  // Marks the text boxes whose texts the recompute just made could not take as typed.
  void MarkReadingNotes(const jouk::ParameterTexts& texts);

  // Recompute, clear the plot and start again: what START and every scroll-bar change do after
  // the scroll bar has written its text box.
  void Restart();
  // A completed change of parameter k's scroll bar to position p: write its value into the text
  // box, then restart.
  void ParameterChange(std::size_t k, int p);
  void Command_STOP_Click();
  void Mn_About_Click();

  // The plot's context menu, opened by a right click or the keyboard's menu key.
  void BuildPlotMenu();
  // Shows the lift window, made on first use, with the lift of the current solution.
  void ShowLiftWindow();
  // Gives the lift window the lift of the current solution, or says that START shows it.
  void RefreshLiftWindow();

  // The store the plot draws: the solution itself, or its copy turned into the tunnel view.
  jouk::FlowState& Shown();
  // "Free stream horizontal" checked or cleared: once there is a flow, the plot is drawn anew in
  // that view as START and the ticks shown so far draw it, and the animation goes on from there.
  void SetTunnelView(bool on);
  // With the tunnel view on, the view's copy of the solution just accepted; it keeps the lines
  // last drawn, which the first tick paints over.
  void RenewTunnelCopy();
  // Shows the flow field window, made on first use, with the current solution.
  void ShowFieldWindow();
  // Gives the flow field window the current solution, or says that START shows it.
  void RefreshFieldWindow();

  jouk::FlowState st_;
  bool tunnelView_ = false;                  // off at every start
  std::unique_ptr<jouk::FlowState> tunnel_;  // the tunnel view's copy, while it is on
  PlotHover* hover_ = nullptr;
  MessageSink messageSink_;
  bool reporting_ = false;  // a warning box is open

  // Per parameter, in the order of jouk::kParameters; a parameter without a scroll bar has none.
  std::array<ParameterTextBox*, jouk::kParameterCount> textBoxes_{};
  std::array<ParameterScrollBar*, jouk::kParameterCount> scrollBars_{};

  QAction* Mn_About;
  QPushButton* Command_START;
  QPushButton* Command_STOP;
  PlotView* Picture3;
  QTimer* Timer1;

  PlotMenu* plotMenu_ = nullptr;
  jouk::ParameterTexts shownTexts_;
  int ticksShown_ = 0;
  // The plot holds the frame the last tick drew, and nothing else in its colour.
  bool frameStanding_ = false;

  // Created on the first choice of "About"; a window of its own, without an owner.
  std::unique_ptr<Form_About> about_;
  // Created on the first choice of "Lift and pressure…"; likewise.
  std::unique_ptr<Form_Lift> lift_;
  // Created on the first choice of "Flow field…"; likewise.
  std::unique_ptr<Form_Field> field_;
};
