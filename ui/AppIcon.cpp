#include "ui/AppIcon.hpp"

// The resources live in the ui library; registering them here keeps the linker from dropping
// them from a program that uses the library.
static void RegisterIcons() {
  Q_INIT_RESOURCE(icons);
}

QIcon AppIcon() {
  static const bool registered = (RegisterIcons(), true);
  (void)registered;
  QIcon icon;
  for (const char* size : {"16", "32", "64"}) {
    icon.addFile(QStringLiteral(":/icons/joukowsky-streamlines-%1.png").arg(QLatin1String(size)));
  }
  icon.addFile(QStringLiteral(":/icons/joukowsky-streamlines.png"));
  return icon;
}
