#include "framework/controls/find_vcl_window.h"

#include "framework/services/cursorpos.h"

namespace fw {

TWinControl* FindVCLWindow(const TPoint& Pos) {
  for (HWND window = WindowAtPoint(Pos.ToPOINT()); window != nullptr; window = GetParent(window)) {
    if (TWinControl* control = FindControl(window)) return control;
  }
  return nullptr;
}

}  // namespace fw
