#pragma once

namespace cadenzo {

// Draws every push button, edit box and group box of the application flat,
// with olive-green edges, message boxes included; lists keep their own look.
// Also sets the 12-pixel font the window's fixed geometry was laid out for.
void ApplyFlatSkin();

}  // namespace cadenzo
