// The picture of the flow field window: the field picture of model/FieldPicture drawn into a
// backing image of the screen's device pixels (600 × 400 logical pixels times the device pixel
// ratio, the pen as many pixels wide as the ratio rounded), as the main plot holds its picture.
// Over it, on the screen only, a ring marks the point of the other plane that the pointer's point
// corresponds to; the backing image stays the model's picture.
#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

#include "layout/FieldWindowLayout.hpp"
#include "model/FieldPicture.hpp"
#include "model/Mdl_Common.hpp"

class QMouseEvent;
class QPaintEvent;

class FieldView : public QWidget {
  Q_OBJECT

 public:
  // The picture's size in logical pixels, that of the main plot.
  static QSize PictureSize();

  explicit FieldView(QWidget* parent = nullptr);

  QSize sizeHint() const override { return PictureSize(); }

  // Draws the field picture of the store (null: none yet) as setup asks; without a flow the
  // picture is the plot's ground alone. A draft has one pixel to each logical pixel whatever the
  // screen (a quarter of the pressure colours' work at a ratio of 2), for Play's frames.
  void Show(const jouk::FlowState* st, const jouk::FieldPictureSetup& setup, bool draft = false);

  // Marks a world point of the picture (nothing: no mark).
  void SetMark(std::optional<jouk::Complex> world);
  std::optional<jouk::Complex> Mark() const { return mark_; }

  // The world window shown (that of the last store drawn).
  const jouk::WorldWindow& Window() const { return window_; }

  // The backing image, its device pixel ratio set.
  const QImage& image() const { return image_; }

  // The mark's colour: a ring of magenta, apart from every colour of the picture.
  static QColor MarkColour() {
    const jouk::Colour& c = jouk::kFieldWindow.mark;
    return QColor(c.red, c.green, c.blue);
  }

 signals:
  // The pointer moved to the world point (x, y) of the picture.
  void hovered(double x, double y);
  // The pointer left the picture.
  void left();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  // Draws the picture anew into a backing image of the current device pixel ratio.
  void Redraw();

  const jouk::FlowState* st_ = nullptr;
  jouk::FieldPictureSetup setup_;
  bool draft_ = false;
  jouk::WorldWindow window_{};
  std::optional<jouk::Complex> mark_;
  QImage image_;
};
