// The parts of TControl that follow an action, and the standard control action link.
#include "framework/controls/control.h"
#include "framework/controls/control_action_link.h"

namespace fw {

bool TControlActionLink::IsCaptionLinked() const {
  return TActionLink::IsCaptionLinked() && client_->Caption() == CustomAction()->Caption();
}

bool TControlActionLink::IsEnabledLinked() const {
  return TActionLink::IsEnabledLinked() && client_->Enabled() == CustomAction()->Enabled();
}

bool TControlActionLink::IsHelpContextLinked() const {
  return TActionLink::IsHelpContextLinked() && client_->HelpContext() == CustomAction()->HelpContext();
}

bool TControlActionLink::IsHelpLinked() const {
  const TCustomAction* action = CustomAction();
  return TActionLink::IsHelpLinked() && client_->HelpContext() == action->HelpContext() &&
         client_->HelpKeyword() == action->HelpKeyword() && client_->HelpType() == action->HelpType();
}

bool TControlActionLink::IsHintLinked() const {
  return TActionLink::IsHintLinked() && client_->Hint() == CustomAction()->Hint();
}

bool TControlActionLink::IsVisibleLinked() const {
  return TActionLink::IsVisibleLinked() && client_->Visible() == CustomAction()->Visible();
}

void TControlActionLink::SetCaption(const std::string& value) {
  if (IsCaptionLinked()) client_->SetCaption(value);
}

void TControlActionLink::SetEnabled(bool value) {
  if (IsEnabledLinked()) client_->SetEnabled(value);
}

void TControlActionLink::SetHelpContext(int value) {
  if (IsHelpLinked()) client_->SetHelpContext(value);
}

void TControlActionLink::SetHelpKeyword(const std::string& value) {
  if (IsHelpLinked()) client_->SetHelpKeyword(value);
}

void TControlActionLink::SetHelpType(THelpType value) {
  if (IsHelpLinked()) client_->SetHelpType(value);
}

void TControlActionLink::SetHint(const std::string& value) {
  if (IsHintLinked()) client_->SetHint(value);
}

void TControlActionLink::SetVisible(bool value) {
  if (IsVisibleLinked()) client_->SetVisible(value);
}

TBasicAction* TControl::Action() const { return actionLink_ != nullptr ? actionLink_->Action() : nullptr; }

void TControl::SetAction(TBasicAction* value) {
  if (value == nullptr) {
    FreeAndNil(actionLink_);
    return;
  }
  if (actionLink_ == nullptr) actionLink_ = CreateActionLink();
  actionLink_->SetAction(value);
  ActionChange(value, value->ComponentState().Contains(csLoading));
}

TControlActionLink* TControl::CreateActionLink() { return Create<TControlActionLink>(this); }

void TControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (action == nullptr) return;
  if (!CheckDefaults || Caption().empty() || Caption() == Name()) SetCaption(action->Caption());
  if (!CheckDefaults || Enabled()) SetEnabled(action->Enabled());
  if (!CheckDefaults || Hint().empty()) SetHint(action->Hint());
  if (!CheckDefaults || Visible()) SetVisible(action->Visible());
  if (!CheckDefaults || helpContext_ == 0) SetHelpContext(action->HelpContext());
  if (!CheckDefaults || helpKeyword_.empty()) SetHelpKeyword(action->HelpKeyword());
  if (!CheckDefaults || helpType_ == htContext) SetHelpType(action->HelpType());
}

}  // namespace fw
