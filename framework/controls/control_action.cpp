// The parts of TControl that follow an action, and the standard control action link.
#include "framework/controls/control.h"
#include "framework/controls/control_action_link.h"

namespace fw {

bool TControlActionLink::IsHelpContextLinked() const {
  return Follows(&TControl::HelpContext, &TCustomAction::HelpContext);
}

bool TControlActionLink::IsHelpLinked() const {
  return Follows(&TControl::HelpContext, &TCustomAction::HelpContext) &&
         Follows(&TControl::HelpKeyword, &TCustomAction::HelpKeyword) &&
         Follows(&TControl::HelpType, &TCustomAction::HelpType);
}

void TControlActionLink::SetHelpContext(int value) {
  if (IsHelpLinked()) Client()->SetHelpContext(value);
}

void TControlActionLink::SetHelpKeyword(const std::string& value) {
  if (IsHelpLinked()) Client()->SetHelpKeyword(value);
}

void TControlActionLink::SetHelpType(THelpType value) {
  if (IsHelpLinked()) Client()->SetHelpType(value);
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
