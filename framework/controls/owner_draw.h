#pragma once
// The state of an item drawn by its owner (combo box items, menu items).
#include <functional>
#include <windows.h>

#include "framework/graphics/geometry.h"
#include "framework/rtl/set.h"

namespace fw {

enum TOwnerDrawStateItem {
  odSelected,
  odGrayed,
  odDisabled,
  odChecked,
  odFocused,
  odDefault,
  odHotLight,
  odInactive,
  odNoAccel,
  odNoFocusRect,
  odComboBoxEdit,
};
using TOwnerDrawState = Set<TOwnerDrawStateItem>;

// The state from DRAWITEMSTRUCT.itemState.
TOwnerDrawState OwnerDrawState(UINT itemState);

class TWinControl;
using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = std::function<void(TWinControl* Control, int Index, int& Height)>;

}  // namespace fw
