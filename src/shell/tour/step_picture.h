#pragma once

#include <QPixmap>

class QWidget;

namespace cadenzo {

// The window as it looks now, with `overlay` (a menu or message box, each a
// window of its own) drawn over it where it stands on the screen.
QPixmap StepPicture(QWidget& window, QWidget* overlay = nullptr);

}  // namespace cadenzo
