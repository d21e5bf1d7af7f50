// Small controls for the window-layer tests: a self-painting control, a graphic control, a button that
// answers Enter/Esc like a default or cancel button, and a form that records what reaches its WndProc.
#pragma once

#include <algorithm>
#include <functional>
#include <vector>

#include "framework/controls/custom_control.h"
#include "framework/controls/graphic_control.h"
#include "framework/forms/form.h"

namespace fw::testing {

// Records the component messages that reach a control of class Base.
template <class Base>
class Recording : public Base {
 public:
  using Base::Base;
  std::vector<UINT> Messages;

  void WndProc(TMessage& Message) override {
    if (Message.Msg >= CM_BASE && Message.Msg < CN_BASE) Messages.push_back(Message.Msg);
    Base::WndProc(Message);
  }
  int Count(UINT msg) const { return static_cast<int>(std::count(Messages.begin(), Messages.end(), msg)); }
};

// Fills its client area with Fill.
class PaintedControl : public Recording<TCustomControl> {
 public:
  using Recording::Recording;
  TColor Fill = clRed;

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(Fill);
    Canvas()->FillRect(ClientRect());
  }
};

class GraphicBox : public Recording<TGraphicControl> {
 public:
  using Recording::Recording;
  TColor Fill = clBlue;

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(Fill);
    Canvas()->FillRect(Rect(0, 0, Width(), Height()));
  }
};

// The default/cancel hook as the standard buttons use it: Enter clicks a default button, Esc a cancel
// button, and a click gives the form the button's ModalResult.
class DialogButton : public TCustomControl {
 public:
  explicit DialogButton(TComponent* AOwner) : TCustomControl(AOwner) { SetTabStop(true); }
  bool Default = false;
  bool Cancel = false;
  TModalResult Result = mrNone;
  int Clicks = 0;

  void Dispatch(TMessage& Message) override {
    if (Message.Msg == CM_DIALOGKEY) {
      const bool enter = Message.WParam == VK_RETURN && Default;
      const bool escape = Message.WParam == VK_ESCAPE && Cancel;
      if ((enter || escape) && Visible() && Enabled()) {
        Click();
        Message.Result = 1;
        return;
      }
    }
    TCustomControl::Dispatch(Message);
  }

 protected:
  void Click() override {
    ++Clicks;
    if (auto* form = dynamic_cast<TCustomForm*>(GetTopParent(this)); form != nullptr && Result != mrNone) {
      form->SetModalResult(Result);
    }
    TCustomControl::Click();
  }
};

// A control that keeps Enter and Esc for itself (as a multi-line edit does).
class KeyHungryControl : public PaintedControl {
 public:
  explicit KeyHungryControl(TComponent* AOwner) : PaintedControl(AOwner) { SetTabStop(true); }
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_GETDLGCODE) {
      Message.Result = DLGC_WANTALLKEYS;
      return;
    }
    PaintedControl::Dispatch(Message);
  }
};

// A form whose WndProc override sees every message first; OnMessage may handle (return true) or
// throw.
class HookedForm : public TForm {
 public:
  using TForm::TForm;
  std::function<bool(TMessage&)> OnMessage;

  void WndProc(TMessage& Message) override {
    if (OnMessage && OnMessage(Message)) return;
    TForm::WndProc(Message);
  }
};

// A control of class T owned by owner and placed on parent (on owner when no parent is given).
template <class T>
T* MakeChild(TWinControl* owner, TWinControl* parent = nullptr, TRect bounds = TRect{}) {
  auto* control = Create<T>(owner);
  control->SetParent(parent != nullptr ? parent : owner);
  if (!bounds.IsEmpty()) control->SetBoundsRect(bounds);
  return control;
}

}  // namespace fw::testing
