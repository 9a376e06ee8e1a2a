// The program's icon, for every window.
#pragma once

#include <QIcon>

// The icon in the sizes the resources hold (16 to 256 pixels).
QIcon AppIcon();
