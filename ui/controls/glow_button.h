// TVxGlowButton: the glow button as forms place it (custom_glow_button.h holds its behaviour; the colour
// set is in glow_appearance.h, the enumerations in glow_button_types.h, the action link in
// glow_action_link.h). GUI thread only.
#pragma once

#include "ui/controls/custom_glow_button.h"

namespace ui {

// The glow button as forms place it: toggle, group, layout, size-state and drop-down properties and the
// appearance are public.
class TVxGlowButton : public TVxCustomGlowButton {
 public:
  explicit TVxGlowButton(fw::TComponent* AOwner) : TVxCustomGlowButton(AOwner) {}

  using TVxCustomGlowButton::AllowAllUp;
  using TVxCustomGlowButton::Appearance;
  using TVxCustomGlowButton::Down;
  using TVxCustomGlowButton::DropDownButton;
  using TVxCustomGlowButton::DropDownDirection;
  using TVxCustomGlowButton::DropDownMenu;
  using TVxCustomGlowButton::DropDownPosition;
  using TVxCustomGlowButton::DropDownSplit;
  using TVxCustomGlowButton::GroupIndex;
  using TVxCustomGlowButton::Layout;
  using TVxCustomGlowButton::MaxButtonSizeState;
  using TVxCustomGlowButton::MinButtonSizeState;
  using TVxCustomGlowButton::OnDropDown;
  using TVxCustomGlowButton::SetAllowAllUp;
  using TVxCustomGlowButton::SetAppearance;
  using TVxCustomGlowButton::SetDown;
  using TVxCustomGlowButton::SetDropDownButton;
  using TVxCustomGlowButton::SetDropDownDirection;
  using TVxCustomGlowButton::SetDropDownMenu;
  using TVxCustomGlowButton::SetDropDownPosition;
  using TVxCustomGlowButton::SetDropDownSplit;
  using TVxCustomGlowButton::SetGroupIndex;
  using TVxCustomGlowButton::SetLayout;
  using TVxCustomGlowButton::SetMaxButtonSizeState;
  using TVxCustomGlowButton::SetMinButtonSizeState;
  using TVxCustomGlowButton::SetStyle;
  using TVxCustomGlowButton::Style;
};

}  // namespace ui
