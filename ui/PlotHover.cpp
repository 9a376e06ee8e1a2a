#include "ui/PlotHover.hpp"

#include <QEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

#include "export/TranslatedMessage.hpp"
#include "model/FlowPicture.hpp"

jouk::ReadoutWords TranslatedReadoutWords() {
  return [](jouk::MessageId id) { return jouk::TranslatedMessage(id).toStdString(); };
}

QString ReadoutAt(const jouk::FieldFlow& flow, jouk::Complex Q, double t, jouk::FlowView view) {
  const jouk::FieldProbe probe = jouk::ProbeField(flow, Q, t, view);
  return QString::fromStdString(jouk::ReadoutText(probe, TranslatedReadoutWords()));
}

PlotHover::PlotHover(QWidget* plot) : QObject(plot), plot_(plot) {
  setObjectName(QStringLiteral("PlotHover"));
  plot->setMouseTracking(true);
  plot->installEventFilter(this);
}

void PlotHover::SetFlow(const jouk::FlowState& st) {
  jouk::FieldFlow flow;
  jouk::MessageId reason{};
  if (!jouk::MakeFieldFlow(st, flow, reason)) {
    flow_.reset();
    return;
  }
  flow_ = flow;
  window_ = jouk::WorldWindowFor(st.Olcek);
}

void PlotHover::SetView(jouk::FlowView view) {
  view_ = view;
}

QString PlotHover::TextAt(QPointF position) const {
  if (!flow_) return {};
  const QSize size = plot_->sizeHint();  // the picture, whatever room the widget has
  const jouk::Complex Q =
      jouk::WorldAt(window_, position.x(), position.y(), size.width(), size.height());
  return ReadoutAt(*flow_, Q, 1, view_);
}

bool PlotHover::eventFilter(QObject* watched, QEvent* event) {
  if (watched == plot_) {
    if (event->type() == QEvent::MouseMove) {
      const auto* move = static_cast<QMouseEvent*>(event);
      const QString text = TextAt(move->position());
      if (text.isEmpty()) {
        QToolTip::hideText();
      } else {
        QToolTip::showText(move->globalPosition().toPoint(), text, plot_);
      }
    } else if (event->type() == QEvent::Leave) {
      QToolTip::hideText();
    }
  }
  return QObject::eventFilter(watched, event);
}
