#include "framework/actions/action.h"

#include <algorithm>

#include "framework/actions/action_list.h"

namespace fw {

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction() {
  // The clients keep their links, tied to nothing.
  for (TBasicActionLink* link : links_) link->action_ = nullptr;
  links_.clear();
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

void TBasicAction::Change() {
  if (OnChange) OnChange(this);
}

TBasicActionLink::~TBasicActionLink() { SetAction(nullptr); }

void TBasicActionLink::SetAction(TBasicAction* value) {
  if (action_ == value) return;
  if (action_ != nullptr) {
    auto& links = action_->links_;
    links.erase(std::remove(links.begin(), links.end(), this), links.end());
  }
  action_ = value;
  if (value != nullptr) value->links_.push_back(this);
}

bool TBasicActionLink::Execute(TComponent*) { return action_ != nullptr && action_->Execute(); }

TCustomAction::TCustomAction(TComponent* AOwner) : TBasicAction(AOwner) {}

TCustomAction::~TCustomAction() { SetActionList(nullptr); }

bool TCustomAction::Execute() { return enabled_ && TBasicAction::Execute(); }

template <class T, class Tell>
void TCustomAction::Assign(T& field, const T& value, Tell tell) {
  if (field == value) return;
  // A link's setter may change the client, which may in turn touch this action: work on a copy.
  std::vector<TBasicActionLink*> links;
  for (int i = 0; i < ClientCount(); ++i) links.push_back(Clients(i));
  for (TBasicActionLink* link : links) {
    if (auto* actionLink = dynamic_cast<TActionLink*>(link)) (actionLink->*tell)(value);
  }
  field = value;
  Change();
}

void TCustomAction::SetCaption(const std::string& value) { Assign(caption_, value, &TActionLink::SetCaption); }

void TCustomAction::SetChecked(bool value) {
  if (checked_ == value) return;
  Assign(checked_, value, &TActionLink::SetChecked);
  if (value) UncheckGroup();
}

void TCustomAction::UncheckGroup() {
  if (groupIndex_ <= 0 || actionList_ == nullptr) return;
  for (int i = 0; i < actionList_->ActionCount(); ++i) {
    TCustomAction* other = actionList_->Actions(i);
    if (other != this && other->groupIndex_ == groupIndex_) other->SetChecked(false);
  }
}

void TCustomAction::SetEnabled(bool value) { Assign(enabled_, value, &TActionLink::SetEnabled); }

void TCustomAction::SetGroupIndex(int value) {
  if (groupIndex_ == value) return;
  Assign(groupIndex_, value, &TActionLink::SetGroupIndex);
  if (checked_) UncheckGroup();
}

void TCustomAction::SetImageIndex(int value) { Assign(imageIndex_, value, &TActionLink::SetImageIndex); }
void TCustomAction::SetHint(const std::string& value) { Assign(hint_, value, &TActionLink::SetHint); }
void TCustomAction::SetHelpContext(int value) { Assign(helpContext_, value, &TActionLink::SetHelpContext); }
void TCustomAction::SetHelpKeyword(const std::string& value) {
  Assign(helpKeyword_, value, &TActionLink::SetHelpKeyword);
}
void TCustomAction::SetHelpType(THelpType value) { Assign(helpType_, value, &TActionLink::SetHelpType); }
void TCustomAction::SetVisible(bool value) { Assign(visible_, value, &TActionLink::SetVisible); }

void TCustomAction::SetActionList(TCustomActionList* value) {
  if (actionList_ == value) return;
  if (actionList_ != nullptr) actionList_->RemoveAction(this);
  if (value != nullptr) value->AddAction(this);
}

TCustomAction* TActionLink::CustomAction() const { return dynamic_cast<TCustomAction*>(Action()); }

bool TActionLink::IsCaptionLinked() const { return CustomAction() != nullptr; }
bool TActionLink::IsCheckedLinked() const { return CustomAction() != nullptr; }
bool TActionLink::IsEnabledLinked() const { return CustomAction() != nullptr; }
bool TActionLink::IsGroupIndexLinked() const { return CustomAction() != nullptr; }
bool TActionLink::IsHelpContextLinked() const { return CustomAction() != nullptr; }
bool TActionLink::IsHelpLinked() const { return CustomAction() != nullptr; }
bool TActionLink::IsHintLinked() const { return CustomAction() != nullptr; }
bool TActionLink::IsImageIndexLinked() const { return CustomAction() != nullptr; }
bool TActionLink::IsVisibleLinked() const { return CustomAction() != nullptr; }

}  // namespace fw
