// The readout of the main window's plot: while the pointer moves over the plot a tooltip shows
// x, y, V/U, Cp and ψ at the pointer (or that it lies inside the section), in the text of
// model/FieldReadout. It only reads the flow and never draws into the picture: the tooltip is a
// window of its own. The field's quantities are taken once per accepted recompute, so a move
// costs one evaluation of the field at one point.
#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "model/FieldReadout.hpp"
#include "model/Mdl_Common.hpp"

class QWidget;

// The readout's words in the user's language.
jouk::ReadoutWords TranslatedReadoutWords();

// The readout's text at the view's world point Q of a picture at stage t, in the user's language.
QString ReadoutAt(const jouk::FieldFlow& flow, jouk::Complex Q, double t, jouk::FlowView view);

class PlotHover : public QObject {
  Q_OBJECT

 public:
  // Watches the plot's pointer (turning on its mouse tracking); a child of the plot.
  explicit PlotHover(QWidget* plot);

  // Takes the field of an accepted recompute's store and the world window its plot shows; a
  // store without a flow leaves the plot without a readout.
  void SetFlow(const jouk::FlowState& st);
  // The orientation the plot shows.
  void SetView(jouk::FlowView view);

  // The readout's text at a position of the plot (logical pixels), empty before the first flow.
  QString TextAt(QPointF position) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* plot_;
  std::optional<jouk::FieldFlow> flow_;
  jouk::WorldWindow window_{};
  jouk::FlowView view_ = jouk::FlowView::kMain;
};
