#pragma once

#include <QIcon>

namespace cadenzo {

// The program's own icon, drawn at 16, 32 and 48 pixels: a white note on an
// olive-green disc, the colours of the window's skin.
QIcon TrayIcon();

}  // namespace cadenzo
