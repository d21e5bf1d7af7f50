#include "framework/controls/custom_control.h"

namespace fw {

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), canvas_(this) {}

void TCustomControl::PaintWindow(HDC DC) {
  canvas_.PaintOn(DC, [this] { Paint(); });
}

void TCustomControl::DestroyWnd() {
  canvas_.FreeHandle();
  TWinControl::DestroyWnd();
}

}  // namespace fw
