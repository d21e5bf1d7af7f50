// The glow button's action link: besides caption, enabled state, hint, visibility and help, a glow button
// follows its action's checked state (Down), group index and image.
#include "framework/actions/action_list.h"
#include "ui/controls/glow_action_link.h"
#include "ui/controls/custom_glow_button.h"

namespace ui {

TVxGlowButtonActionLink::TVxGlowButtonActionLink(TVxCustomGlowButton* AClient)
    : fw::TControlActionLink(AClient), button_(AClient) {}

bool TVxGlowButtonActionLink::IsCheckedLinked() const {
  const bool linked = fw::TControlActionLink::IsCheckedLinked() && CustomAction()->Checked() == button_->down_;
  button_->checkedLinked_ = linked;
  return linked;
}

bool TVxGlowButtonActionLink::IsGroupIndexLinked() const {
  const bool linked = CustomAction() != nullptr && CustomAction()->GroupIndex() == button_->groupIndex_;
  button_->groupIndexLinked_ = linked;
  return linked;
}

bool TVxGlowButtonActionLink::IsImageIndexLinked() const {
  return fw::TControlActionLink::IsImageIndexLinked() && CustomAction()->ImageIndex() == imageIndex_;
}

void TVxGlowButtonActionLink::SetChecked(bool value) {
  if (IsCheckedLinked()) button_->SetDown(value);
}

void TVxGlowButtonActionLink::SetGroupIndex(int value) {
  if (IsGroupIndexLinked()) button_->SetGroupIndex(value);
}

// Tested by the group index, as the button has always done.
void TVxGlowButtonActionLink::SetImageIndex(int value) {
  if (!IsGroupIndexLinked()) return;
  imageIndex_ = value;
  button_->Invalidate();
}

fw::TControlActionLink* TVxCustomGlowButton::CreateActionLink() {
  return fw::Create<TVxGlowButtonActionLink>(this);
}

void TVxCustomGlowButton::ActionChange(fw::TObject* Sender, bool CheckDefaults) {
  fw::TCustomControl::ActionChange(Sender, CheckDefaults);
  auto* action = dynamic_cast<fw::TCustomAction*>(Sender);
  if (action == nullptr) return;
  if (CheckDefaults || groupIndex_ == 0) SetGroupIndex(action->GroupIndex());
  if (autoSize_ && Parent() != nullptr && HandleAllocated()) {
    sizing_ = true;
    try {
      Paint();
    } catch (...) {
      sizing_ = false;
      throw;
    }
    sizing_ = false;
  }
}

fw::TCustomImageList* TVxCustomGlowButton::ActionImages() const {
  auto* action = dynamic_cast<fw::TCustomAction*>(Action());
  if (action == nullptr || action->ImageIndex() < 0) return nullptr;
  auto* list = dynamic_cast<fw::TActionList*>(action->ActionList());
  return list != nullptr ? list->Images() : nullptr;
}

}  // namespace ui
