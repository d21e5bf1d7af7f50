#include "ui/controls/office_radio_group.h"

namespace ui {

TVxOfficeRadioGroup::TVxOfficeRadioGroup(fw::TComponent* AOwner) : fw::TCustomRadioGroup(AOwner) {}

}  // namespace ui
