#include "framework/menus/menu_action_link.h"

namespace fw {

bool TMenuActionLink::IsCheckedLinked() const { return Follows(&TMenuItem::Checked, &TCustomAction::Checked); }

bool TMenuActionLink::IsGroupIndexLinked() const {
  return Follows(&TMenuItem::GroupIndex, &TCustomAction::GroupIndex);
}

bool TMenuActionLink::IsImageIndexLinked() const {
  return Follows(&TMenuItem::ImageIndex, &TCustomAction::ImageIndex);
}

void TMenuActionLink::SetChecked(bool value) {
  if (IsCheckedLinked()) Client()->SetChecked(value);
}

void TMenuActionLink::SetGroupIndex(int value) {
  if (IsGroupIndexLinked()) Client()->SetGroupIndex(value);
}

void TMenuActionLink::SetImageIndex(int value) {
  if (IsImageIndexLinked()) Client()->SetImageIndex(value);
}

}  // namespace fw
