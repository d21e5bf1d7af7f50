#include "framework/controls/button.h"

#include "framework/controls/accelerators.h"
#include "framework/forms/form.h"

namespace fw {

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
  SetBoundsFields(0, 0, 75, 25);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clBtnFace);
  // The window reports its clicks (BN_CLICKED); mouse-up is no click of its own.
  controlStyle_.Exclude(csSetCaption).Exclude(csClickEvents);
}

void TButton::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, "BUTTON");
  Params.Style |= ButtonStyle();
}

void TButton::SetDefault(bool value) {
  if (default_ == value) return;
  default_ = value;
  const bool buttonFocused = dynamic_cast<TButton*>(FindControl(GetFocus())) != nullptr;
  if (!buttonFocused) SetButtonStyle(value);
}

void TButton::SetButtonStyle(bool ADefault) {
  if (active_ == ADefault) return;
  active_ = ADefault;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETSTYLE, ButtonStyle(), TRUE);
}

bool TButton::AnswersEnter() {
  if (auto* focusedButton = dynamic_cast<TButton*>(FindControl(GetFocus()))) return focusedButton == this;
  return default_;
}

void TButton::Click() {
  if (auto* form = dynamic_cast<TCustomForm*>(GetTopParent(this)); form != nullptr && modalResult_ != mrNone) {
    form->SetModalResult(modalResult_);
  }
  TWinControl::Click();
}

void TButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (HIWORD(Message.WParam) == BN_CLICKED) Click();
      return;
    case CM_DIALOGKEY: {
      const bool enter = Message.WParam == VK_RETURN && AnswersEnter();
      const bool escape = Message.WParam == VK_ESCAPE && cancel_;
      if ((enter || escape) && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    }
    case CM_FOCUSCHANGED: {
      auto* focused = reinterpret_cast<TControl*>(Message.LParam);
      SetButtonStyle(dynamic_cast<TButton*>(focused) != nullptr ? focused == this : default_);
      break;
    }
    case CM_DIALOGCHAR:
      if (IsAccel(Message.WParam, Caption()) && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    default:
      break;
  }
  TWinControl::Dispatch(Message);
}

}  // namespace fw
