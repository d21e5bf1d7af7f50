// TVxOfficeCheckBox: an Office-style check box with a glyph and an HTML caption. Checked set from code
// fires OnClick once when it changes; a mouse click, the space bar or the caption's accelerator toggles the
// state (unless ReadOnly) and then reports the click. BM_SETCHECK sets the state from outside. GUI thread.
#pragma once

#include "framework/controls/check_box.h"
#include "framework/controls/control_action_link.h"
#include "ui/controls/office_button_base.h"

namespace ui {

class TCustomVxOfficeCheckBox : public TVxOfficeButtonBase {
 public:
  explicit TCustomVxOfficeCheckBox(fw::TComponent* AOwner);

  fw::TCheckBoxState State() const { return state_; }
  void SetState(fw::TCheckBoxState value);
  virtual bool GetChecked() const { return state_ == fw::cbChecked; }
  bool Checked() const { return GetChecked(); }
  virtual void SetChecked(bool value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  // The user's toggle (mouse, space bar, accelerator): nothing when ReadOnly.
  virtual void Toggle();

 protected:
  fw::TControlActionLink* CreateActionLink() override;
  // After the standard change: the action's caption, checked and enabled state, whatever the defaults.
  void ActionChange(fw::TObject* Sender, bool CheckDefaults) override;
  void Paint() override;
  void DrawButton() override;
  int TextIndent() const override { return 16; }
  void Dispatch(fw::TMessage& Message) override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void KeyUp(WORD& Key, fw::TShiftState Shift) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  fw::TCheckBoxState state_ = fw::cbUnchecked;
  bool readOnly_ = false;
  bool toggling_ = false;
};

// The check box's action link: besides the standard links, the action's checked state reaches Checked. The
// checked state counts as linked while the box's state equals the action's.
class TVxOfficeCheckBoxActionLink : public fw::TControlActionLink {
 public:
  explicit TVxOfficeCheckBoxActionLink(TCustomVxOfficeCheckBox* AClient);
  bool IsCheckedLinked() const override;
  void SetChecked(bool value) override;

 private:
  TCustomVxOfficeCheckBox* box_;
};

class TVxOfficeCheckBox : public TCustomVxOfficeCheckBox {
 public:
  using TCustomVxOfficeCheckBox::TCustomVxOfficeCheckBox;
};

}  // namespace ui
