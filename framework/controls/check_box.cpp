#include "framework/controls/check_box.h"

#include "framework/controls/accelerators.h"

namespace fw {

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {
  SetBoundsFields(0, 0, 97, 17);
  SetTabStop(true);
  SetParentColor(true);
  // The window reports clicks and double clicks; the mouse messages are none of their own.
  controlStyle_.Exclude(csSetCaption).Exclude(csClickEvents).Exclude(csDoubleClicks);
}

void TButtonControl::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, "BUTTON");
  Params.Style |= ButtonType();
  if (alignment_ == taLeftJustify) Params.Style |= BS_LEFTTEXT;
  if (wordWrap_) Params.Style |= BS_MULTILINE;
}

void TButtonControl::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  RecreateWnd();
}

void TButtonControl::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  RecreateWnd();
}

void TButtonControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (HIWORD(Message.WParam) == BN_CLICKED) Toggle();
      if (HIWORD(Message.WParam) == BN_DOUBLECLICKED) DblClick();
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(Message.WParam, Caption()) && CanFocus()) {
        SetFocus();
        Toggle();
        Message.Result = 1;
        return;
      }
      break;
    default:
      break;
  }
  TWinControl::Dispatch(Message);
}

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {}

void TCustomCheckBox::CreateWnd() {
  TButtonControl::CreateWnd();
  SendMessageA(Handle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

void TCustomCheckBox::SetState(TCheckBoxState value) {
  if (state_ == value) return;
  state_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0);
  if (!ClicksDisabled()) Click();
}

void TCustomCheckBox::Toggle() {
  switch (state_) {
    case cbUnchecked: SetState(allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
}

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) { SetBoundsFields(0, 0, 113, 17); }

void TRadioButton::CreateWnd() {
  TButtonControl::CreateWnd();
  SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetChecked(bool value) {
  if (checked_ == value) return;
  checked_ = value;
  SetTabStop(value);
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!value) return;
  if (TWinControl* parent = Parent()) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
      if (sibling != nullptr && sibling != this) sibling->SetChecked(false);
    }
  }
  if (!ClicksDisabled()) Click();
}

}  // namespace fw
