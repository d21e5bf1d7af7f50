#pragma once
// The framework control whose window lies under a screen point: the window there, or the nearest of its
// parents that belongs to a framework control. Null when no framework window is there.
#include "framework/controls/win_control.h"
#include "framework/graphics/geometry.h"

namespace fw {

TWinControl* FindVCLWindow(const TPoint& Pos);

}  // namespace fw
