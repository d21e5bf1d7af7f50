#include "ui/dropdown/edit_button.h"

namespace ui {

TAsgEditButton::TAsgEditButton(fw::TComponent* AOwner) : fw::TWinControl(AOwner) {
  button_ = fw::Create<TVxSpeedButton>(this);
  button_->SetParent(this);
  button_->SetAlign(fw::alClient);
}

}  // namespace ui
