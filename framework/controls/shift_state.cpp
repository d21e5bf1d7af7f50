#include "framework/controls/control_types.h"

#include "framework/services/keystate.h"

namespace fw {

TShiftState MouseKeysToShiftState(WPARAM keys) {
  TShiftState shift;
  if (keys & MK_SHIFT) shift.Include(ssShift);
  if (keys & MK_CONTROL) shift.Include(ssCtrl);
  if (keys & MK_LBUTTON) shift.Include(ssLeft);
  if (keys & MK_RBUTTON) shift.Include(ssRight);
  if (keys & MK_MBUTTON) shift.Include(ssMiddle);
  if (IsKeyDown(VK_MENU)) shift.Include(ssAlt);
  return shift;
}

TShiftState KeyboardShiftState() {
  TShiftState shift;
  if (IsKeyDown(VK_SHIFT)) shift.Include(ssShift);
  if (IsKeyDown(VK_CONTROL)) shift.Include(ssCtrl);
  if (IsKeyDown(VK_MENU)) shift.Include(ssAlt);
  return shift;
}

}  // namespace fw
