// Opening a companion window (the lift window, a field window) beside the main window.
#pragma once

class QWidget;

// Moves the top-level window `companion`, not yet shown, beside `main` as
// jouk::CompanionPosition places it on main's screen; leaves it where it is when neither side has
// room, for the window system to place. The companion's frame is taken as wide as main's.
void PlaceBeside(QWidget& companion, const QWidget& main);
