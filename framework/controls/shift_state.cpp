#include "framework/controls/control_types.h"

namespace fw {

TShiftState MouseKeysToShiftState(WPARAM keys) {
  TShiftState shift;
  if (keys & MK_SHIFT) shift.Include(ssShift);
  if (keys & MK_CONTROL) shift.Include(ssCtrl);
  if (keys & MK_LBUTTON) shift.Include(ssLeft);
  if (keys & MK_RBUTTON) shift.Include(ssRight);
  if (keys & MK_MBUTTON) shift.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  return shift;
}

TShiftState KeyboardShiftState() {
  TShiftState shift;
  if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  return shift;
}

}  // namespace fw
