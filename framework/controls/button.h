#pragma once
// TButton: a Win32 push button. A click (by mouse, by the space bar, by its accelerator, by Enter or Esc as
// the form's default or cancel button, or by Click()) gives the form the button's ModalResult, which
// ends a modal form, and then fires OnClick.
#include "framework/controls/win_control.h"
#include "framework/forms/form_types.h"

namespace fw {

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* AOwner);

  // Enter clicks the default button unless another button has the focus (which Enter then clicks).
  bool Default() const { return default_; }
  void SetDefault(bool value);
  // Esc clicks the cancel button.
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }

  void Click() override;
  void Dispatch(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  // Whether Enter clicks this button now.
  bool AnswersEnter();
  // The BS_* type of the Win32 button.
  virtual DWORD ButtonStyle() const { return active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }
  // Called when the focus makes this the button Enter clicks (focused, or the default one while no
  // button has the focus), and when that ends. The Win32 button shows it with its thicker frame.
  virtual void SetButtonStyle(bool ADefault);
  // Whether Enter clicks this button as the focus stands.
  bool Active() const { return active_; }

 private:
  bool active_ = false;
  bool default_ = false;
  bool cancel_ = false;
  TModalResult modalResult_ = mrNone;
};

}  // namespace fw
