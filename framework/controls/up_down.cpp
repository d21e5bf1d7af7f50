#include "framework/controls/up_down.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "framework/rtl/intconv.h"

namespace fw {

TUpDown::TUpDown(TComponent* AOwner) : TWinControl(AOwner) {
  SetBoundsFields(0, 0, 17, 21);
  controlStyle_.Exclude(csSetCaption).Exclude(csCaptureMouse).Exclude(csClickEvents);
}

void TUpDown::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, UPDOWN_CLASSA);
  Params.Style |= UDS_NOTHOUSANDS;
  if (associate_ != nullptr) Params.Style |= UDS_SETBUDDYINT;
  if (arrowKeys_) Params.Style |= UDS_ARROWKEYS;
  if (wrap_) Params.Style |= UDS_WRAP;
  if (orientation_ == udHorizontal) Params.Style |= UDS_HORZ;
}

void TUpDown::CreateWnd() {
  TWinControl::CreateWnd();
  ApplyRange();
  UDACCEL accel{0, static_cast<UINT>(increment_)};
  SendMessageA(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
  // The associate gets its window with ours when it can have one (it sits on a parent).
  if (associate_ != nullptr && (associate_->HandleAllocated() || associate_->Parent() != nullptr)) {
    SendMessageA(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
  }
  SendMessageA(Handle(), UDM_SETPOS32, 0, position_);
}

void TUpDown::ApplyRange() {
  if (HandleAllocated()) SendMessageA(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

int TUpDown::Position() {
  if (HandleAllocated()) {
    BOOL failed = FALSE;
    const auto value = static_cast<int>(SendMessageA(Handle(), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    if (!failed) position_ = value;
  }
  return position_;
}

void TUpDown::SetPosition(int value) {
  position_ = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
  if (HandleAllocated()) SendMessageA(Handle(), UDM_SETPOS32, 0, position_);
  ShowPositionInAssociate();
}

void TUpDown::ShowPositionInAssociate() {
  if (associate_ != nullptr) associate_->SetText(IntToStr(position_));
}

void TUpDown::SetMin(int value) {
  if (min_ == value) return;
  min_ = value;
  ApplyRange();
  SetPosition(position_);
}

void TUpDown::SetMax(int value) {
  if (max_ == value) return;
  max_ = value;
  ApplyRange();
  SetPosition(position_);
}

void TUpDown::SetIncrement(int value) {
  increment_ = std::max(value, 1);
  if (!HandleAllocated()) return;
  UDACCEL accel{0, static_cast<UINT>(increment_)};
  SendMessageA(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

void TUpDown::SetWrap(bool value) {
  if (wrap_ == value) return;
  wrap_ = value;
  RecreateWnd();
}

void TUpDown::SetOrientation(TUDOrientation value) {
  if (orientation_ == value) return;
  orientation_ = value;
  SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TUpDown::SetArrowKeys(bool value) {
  if (arrowKeys_ == value) return;
  arrowKeys_ = value;
  RecreateWnd();
}

void TUpDown::SetAssociate(TWinControl* value) {
  if (associate_ == value) return;
  if (associate_ != nullptr) associate_->RemoveFreeNotification(this);
  associate_ = value;
  if (value != nullptr) {
    value->FreeNotification(this);
    PlaceBesideAssociate();
    ShowPositionInAssociate();
  }
  RecreateWnd();
}

void TUpDown::PlaceBesideAssociate() {
  if (associate_->Parent() != Parent()) return;
  SetBounds(associate_->Left() + associate_->Width(), associate_->Top(), Width(), associate_->Height());
}

void TUpDown::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == associate_) {
    associate_ = nullptr;
    // The window names the departing buddy: make a new one without it.
    if (!ComponentState().Contains(csDestroying)) RecreateWnd();
  }
}

bool TUpDown::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TUpDown::Click(TUDBtnType Button) {
  if (OnClick) OnClick(this, Button);
}

void TUpDown::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(Message.LParam);
      if (header->code == UDN_DELTAPOS) {
        const auto* change = reinterpret_cast<const NMUPDOWN*>(Message.LParam);
        lastButton_ = change->iDelta > 0 ? btNext : btPrev;
        refused_ = !CanChange();
        Message.Result = refused_ ? 1 : 0;
      }
      return;
    }
    case CN_VSCROLL:
    case CN_HSCROLL:
      // The control may report the end of a move that OnChanging refused.
      if (LOWORD(Message.WParam) == SB_THUMBPOSITION && !std::exchange(refused_, false)) {
        Position();
        ShowPositionInAssociate();
        Click(lastButton_);
      }
      return;
    default:
      break;
  }
  TWinControl::Dispatch(Message);
}

}  // namespace fw
