#pragma once

class QColor;
class QLineEdit;

namespace cadenzo {

// Draws every push button, edit box and group box of the application flat,
// with olive-green edges, message boxes included; lists keep their own look.
// Also sets the 12-pixel font the window's fixed geometry was laid out for.
void ApplyFlatSkin();

// Black or grey text on the green of the window's edit boxes. Set through the
// box's own style sheet, since the skin's would override a palette.
void SetEditBoxColour(QLineEdit& box, const QColor& text);

}  // namespace cadenzo
