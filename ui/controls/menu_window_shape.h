#pragma once
// The drop-down windows of the styled menus: the first time one is drawn into it is shaped (no erasing, a
// region that leaves out the border and the cut at the right, moved to sit under its opener) and its frame
// is drawn after every item. The window's own procedure and shape come back when it hides or goes.
#include <windows.h>

#include <optional>

#include "framework/graphics/colors.h"

namespace ui {

struct TDropDownWindowLook {
  // 1 for the first drop-down of a menu bar or a pop-up menu, more for the sub-menus below.
  int level = 1;
  // The window's own sub-menus open to its right.
  bool opensRight = true;
  fw::TColor borderColor = fw::clNone;
  fw::TColor backgroundColor = fw::clNone;
  // The screen rectangle of the bar item a first-level drop-down opened from, which it joins.
  std::optional<RECT> opener;
};

// Shapes the window the first time (its procedure is not yet the drop-down procedure), then frames it.
void ShapeAndFrameDropDownWindow(HWND Window, const TDropDownWindowLook& Look);

// The window has been shaped and keeps the drop-down procedure.
bool IsShapedDropDownWindow(HWND Window);

}  // namespace ui
