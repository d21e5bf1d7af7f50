#include "ui/dropdown/dropdown_button_appearance.h"

namespace ui {

TVxButtonAppearance::TVxButtonAppearance() { font_.SetName("Tahoma"); }

void TVxButtonAppearance::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TVxButtonAppearance*>(Source);
  if (source == nullptr) {
    fw::TPersistent::Assign(Source);
    return;
  }
  SetColor(source->color_);
  SetColorTo(source->colorTo_);
  SetColorHot(source->colorHot_);
  SetColorHotTo(source->colorHotTo_);
  SetColorDown(source->colorDown_);
  SetColorDownTo(source->colorDownTo_);
  SetCheckedColor(source->checkedColor_);
  SetCheckedColorTo(source->checkedColorTo_);
  SetColorDisabled(source->colorDisabled_);
  SetColorDisabledTo(source->colorDisabledTo_);
  SetBorderColor(source->borderColor_);
  SetBorderColorHot(source->borderColorHot_);
  SetBorderColorDown(source->borderColorDown_);
  SetCheckedBorderColor(source->checkedBorderColor_);
  SetBorderColorDisabled(source->borderColorDisabled_);
  SetGradient(source->gradient_);
  font_.Assign(&source->font_);
}

}  // namespace ui
