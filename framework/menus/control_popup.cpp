// The parts of TControl that show its pop-up menu: they live with the menus, so the control layer's
// headers need not know them.
#include "framework/controls/control.h"
#include "framework/controls/win_control.h"
#include "framework/menus/menu.h"

namespace fw {

void TControl::SetPopupMenu(TPopupMenu* value) {
  if (popupMenu_ == value) return;
  if (popupMenu_ != nullptr) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = value;
  if (popupMenu_ != nullptr) popupMenu_->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && popupMenu_ != nullptr && AComponent == popupMenu_) popupMenu_ = nullptr;
}

// WM_CONTEXTMENU: LParam the screen point (-1, -1 from the keyboard: the control's centre).
bool TControl::ShowPopupMenu(TMessage& Message) {
  if (popupMenu_ == nullptr || !enabled_) return false;
  TPoint at{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
  if (at.X == -1 && at.Y == -1) at = ClientToScreen(TPoint{width_ / 2, height_ / 2});
  popupMenu_->SetPopupComponent(this);
  popupMenu_->Popup(at.X, at.Y);
  Message.Result = 1;
  return true;
}

}  // namespace fw
