// TVxOfficeRadioButton: the Office-style radio button, twin of the check box. Checking it unchecks the
// radio buttons of its parent with the same GroupIndex and makes it the group's only tab stop; tabbing
// into it checks it and reports a click, a mouse click on an unfocused one checks it silently while the
// focus moves and reports the click once on release. GUI thread only.
#pragma once

#include <cstdint>

#include "ui/controls/office_button_base.h"

namespace ui {

class TCustomVxOfficeRadioButton : public TVxOfficeButtonBase {
 public:
  explicit TCustomVxOfficeRadioButton(fw::TComponent* AOwner);

  bool Checked() const { return checked_; }
  virtual void SetChecked(bool value);
  std::uint8_t GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(std::uint8_t value) { groupIndex_ = value; }

 protected:
  // OnClick when assigned and not loading.
  virtual void DoClick();
  void Click() override {}  // the framework's click does nothing: DoClick reports clicks
  void Paint() override;
  void DrawButton() override;
  int TextIndent() const override { return 18; }
  int GlyphTop(int Top, int Height) const override;
  int EngineBiDiMode() const override { return static_cast<int>(BiDiMode()); }
  void Dispatch(fw::TMessage& Message) override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void KeyUp(WORD& Key, fw::TShiftState Shift) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  bool checked_ = false;
  std::uint8_t groupIndex_ = 0;
  bool focusByMouse_ = false;
};

class TVxOfficeRadioButton : public TCustomVxOfficeRadioButton {
 public:
  using TCustomVxOfficeRadioButton::TCustomVxOfficeRadioButton;
};

}  // namespace ui
