#include "framework/menus/menu_action_link.h"

#include "framework/menus/menu_item.h"

namespace fw {

bool TMenuActionLink::IsCaptionLinked() const {
  return TActionLink::IsCaptionLinked() && client_->Caption() == CustomAction()->Caption();
}

bool TMenuActionLink::IsCheckedLinked() const {
  return TActionLink::IsCheckedLinked() && client_->Checked() == CustomAction()->Checked();
}

bool TMenuActionLink::IsEnabledLinked() const {
  return TActionLink::IsEnabledLinked() && client_->Enabled() == CustomAction()->Enabled();
}

bool TMenuActionLink::IsGroupIndexLinked() const {
  return TActionLink::IsGroupIndexLinked() && client_->GroupIndex() == CustomAction()->GroupIndex();
}

bool TMenuActionLink::IsHintLinked() const {
  return TActionLink::IsHintLinked() && client_->Hint() == CustomAction()->Hint();
}

bool TMenuActionLink::IsImageIndexLinked() const {
  return TActionLink::IsImageIndexLinked() && client_->ImageIndex() == CustomAction()->ImageIndex();
}

bool TMenuActionLink::IsVisibleLinked() const {
  return TActionLink::IsVisibleLinked() && client_->Visible() == CustomAction()->Visible();
}

void TMenuActionLink::SetCaption(const std::string& value) {
  if (IsCaptionLinked()) client_->SetCaption(value);
}

void TMenuActionLink::SetChecked(bool value) {
  if (IsCheckedLinked()) client_->SetChecked(value);
}

void TMenuActionLink::SetEnabled(bool value) {
  if (IsEnabledLinked()) client_->SetEnabled(value);
}

void TMenuActionLink::SetGroupIndex(int value) {
  if (IsGroupIndexLinked()) client_->SetGroupIndex(value);
}

void TMenuActionLink::SetHint(const std::string& value) {
  if (IsHintLinked()) client_->SetHint(value);
}

void TMenuActionLink::SetImageIndex(int value) {
  if (IsImageIndexLinked()) client_->SetImageIndex(value);
}

void TMenuActionLink::SetVisible(bool value) {
  if (IsVisibleLinked()) client_->SetVisible(value);
}

}  // namespace fw
