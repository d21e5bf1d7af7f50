// TVxOfficeCheckBox: a check box drawn in the Office style. Writing a different Checked value changes
// the state, repaints and fires OnClick; writing the present value does nothing. A click flips it.
#pragma once

#include "framework/controls/custom_control.h"

namespace ui {

class TVxOfficeCheckBox : public fw::TCustomControl {
 public:
  explicit TVxOfficeCheckBox(fw::TComponent* AOwner);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);

 protected:
  void Paint() override;
  void Click() override;

 private:
  bool checked_ = false;
};

}  // namespace ui
