#include "ui/Companion.hpp"

#include <QScreen>
#include <QWidget>

#include "layout/CompanionPlacement.hpp"

namespace {

jouk::ScreenRect ToScreenRect(const QRect& r) {
  return {r.x(), r.y(), r.width(), r.height()};
}

}  // namespace

void PlaceBeside(QWidget& companion, const QWidget& main) {
  const QScreen* screen = main.screen();
  if (screen == nullptr) return;
  // Before it is shown, a window's frame is unknown: take the main window's frame margins.
  const QRect frame = main.frameGeometry();
  const QSize margins = frame.size() - main.geometry().size();
  const QSize size = companion.size().expandedTo(companion.sizeHint()) + margins;
  const auto at = jouk::CompanionPosition(ToScreenRect(frame), size.width(), size.height(),
                                          ToScreenRect(screen->availableGeometry()));
  if (at) companion.move(at->x, at->y);
}
