#pragma once
// TCheckBox and TRadioButton: Win32 check and radio buttons whose state the object keeps. A change of
// the state, by the user or by the program, fires OnClick (not while the form is loading). Checking a
// radio button unchecks the other radio buttons of its parent.
#include "framework/controls/std_types.h"
#include "framework/controls/win_control.h"

namespace fw {

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// What check boxes and radio buttons share: a BUTTON window of a given type and an accelerator.
class TButtonControl : public TWinControl {
 public:
  explicit TButtonControl(TComponent* AOwner);
  // Which side of the box the caption is on: taRightJustify puts it right of the box (the default).
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  virtual DWORD ButtonType() const = 0;
  // The user clicked the window (BN_CLICKED) or typed the accelerator.
  virtual void Toggle() = 0;
  void Dispatch(TMessage& Message) override;
  // True while clicks must not fire (the form is loading).
  bool ClicksDisabled() const { return ComponentState().Contains(csLoading); }

 private:
  TAlignment alignment_ = taRightJustify;
  bool wordWrap_ = false;
};

class TCustomCheckBox : public TButtonControl {
 public:
  explicit TCustomCheckBox(TComponent* AOwner);

  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState value);
  // Clicking cycles through the grayed state too.
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value) { allowGrayed_ = value; }

 protected:
  DWORD ButtonType() const override { return BS_3STATE; }
  void CreateWnd() override;
  void Toggle() override;

 private:
  TCheckBoxState state_ = cbUnchecked;
  bool allowGrayed_ = false;
};

class TCheckBox : public TCustomCheckBox {
 public:
  using TCustomCheckBox::TCustomCheckBox;
};

class TRadioButton : public TButtonControl {
 public:
  explicit TRadioButton(TComponent* AOwner);

  bool Checked() const { return checked_; }
  void SetChecked(bool value);

 protected:
  DWORD ButtonType() const override { return BS_RADIOBUTTON; }
  void CreateWnd() override;
  void Toggle() override { SetChecked(true); }

 private:
  bool checked_ = false;
};

}  // namespace fw
