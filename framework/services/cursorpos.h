// Where the mouse cursor is on the screen, and which window lies under a screen point. Tests place the
// cursor and the windows by replacing them.
#pragma once

#include <windows.h>

#include "framework/services/service.h"

namespace fw {

// The cursor's position in screen coordinates ((0, 0) when the system cannot tell).
extern Service<POINT()> CursorPos;
// The window under a screen point (WindowFromPoint), null when none.
extern Service<HWND(POINT screenPoint)> WindowAtPoint;

}  // namespace fw
