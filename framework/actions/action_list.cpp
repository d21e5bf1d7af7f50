#include "framework/actions/action_list.h"

#include <algorithm>
#include <string>

#include "framework/rtl/exceptions.h"

namespace fw {

TCustomActionList::TCustomActionList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomActionList::~TCustomActionList() {
  SetImages(nullptr);
  while (!actions_.empty()) actions_.back()->Free();
}

TCustomAction* TCustomActionList::Actions(int Index) const {
  if (Index < 0 || Index >= ActionCount()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return actions_[static_cast<std::size_t>(Index)];
}

void TCustomActionList::SetImages(TCustomImageList* value) {
  if (images_ == value) return;
  if (images_ != nullptr) images_->RemoveFreeNotification(this);
  images_ = value;
  if (value != nullptr) value->FreeNotification(this);
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == images_) images_ = nullptr;
}

void TCustomActionList::AddAction(TCustomAction* action) {
  actions_.push_back(action);
  action->actionList_ = this;
}

void TCustomActionList::RemoveAction(TCustomAction* action) {
  actions_.erase(std::remove(actions_.begin(), actions_.end(), action), actions_.end());
  action->actionList_ = nullptr;
}

}  // namespace fw
