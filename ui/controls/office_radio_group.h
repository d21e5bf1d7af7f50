// TVxOfficeRadioGroup: a radio group drawn in the Office style. ItemIndex is the 0-based selected item;
// a change of it fires OnClick.
#pragma once

#include "framework/controls/radio_group.h"

namespace ui {

class TVxOfficeRadioGroup : public fw::TCustomRadioGroup {
 public:
  explicit TVxOfficeRadioGroup(fw::TComponent* AOwner);
};

}  // namespace ui
