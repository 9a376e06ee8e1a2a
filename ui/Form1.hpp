// The main window: the parameter frames with their text boxes and scroll bars, START and STOP,
// the plot area Picture3, the animation timer Timer1 and the "About" menu item. It owns the
// flow store for the whole run and orchestrates the two operations hesapla (recompute) and
// Başla (start drawing and animation).
#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>

#include "Mdl_Common.hpp"

class QAction;
class QCloseEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;
class Form_About;
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

  const jouk::FlowState& State() const { return st_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void ConnectActions();
  void ShowWarning(const QString& message);

  // A completed change of a scroll bar: write value p / divisor into its text box, recompute,
  // clear the plot and start again.
  void ParameterChange(QLineEdit* text, int p, double divisor);
  void Command_START_Click();
  void Command_STOP_Click();
  void Mn_About_Click();

  jouk::FlowState st_;
  MessageSink messageSink_;
  bool reporting_ = false;  // a warning box is open

  QAction* Mn_About;
  QGroupBox* Frame1;
  QLabel* Label1;
  QLineEdit* Text_DELTA;
  QScrollBar* HScroll_Delta;
  QLabel* Label2;
  QLineEdit* Text_GAMA;
  QScrollBar* HScroll_Gama;
  QLabel* Label5;
  QLineEdit* Text_Alfa;
  QScrollBar* HScroll_Alfa;
  QLabel* Label6;
  QLineEdit* Text_iKutta;
  QScrollBar* HScroll_iKutta;
  QGroupBox* Frame2;
  QLabel* Label7;
  QLineEdit* Text_dPsi;
  QScrollBar* HScroll_dPsi;
  QLabel* Label9;
  QLineEdit* Text_kMax;
  QScrollBar* HScroll_kMax;
  QLabel* Label4;
  QLineEdit* Text_Olcek;
  QScrollBar* HScroll_Olcek;
  QLabel* Label10;
  QLineEdit* Text_dR;
  QPushButton* Command_START;
  QPushButton* Command_STOP;
  PlotView* Picture3;
  QTimer* Timer1;

  // Created on the first choice of "About"; a window of its own, without an owner.
  std::unique_ptr<Form_About> about_;
};
