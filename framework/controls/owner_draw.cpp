#include "framework/controls/owner_draw.h"

namespace fw {

TOwnerDrawState OwnerDrawState(UINT itemState) {
  static constexpr struct {
    UINT flag;
    TOwnerDrawStateItem item;
  } kFlags[] = {{ODS_SELECTED, odSelected}, {ODS_GRAYED, odGrayed},       {ODS_DISABLED, odDisabled},
                {ODS_CHECKED, odChecked},   {ODS_FOCUS, odFocused},       {ODS_DEFAULT, odDefault},
                {ODS_HOTLIGHT, odHotLight}, {ODS_INACTIVE, odInactive},   {ODS_NOACCEL, odNoAccel},
                {ODS_NOFOCUSRECT, odNoFocusRect}, {ODS_COMBOBOXEDIT, odComboBoxEdit}};
  TOwnerDrawState state;
  for (const auto& f : kFlags) {
    if ((itemState & f.flag) != 0) state.Include(f.item);
  }
  return state;
}

}  // namespace fw
