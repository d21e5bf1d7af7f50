#pragma once
// The button part of an edit with a button (TAsgEditButton) and its speed button (TVxSpeedButton).
// For now they hold what the edit gives them (glyph, caption, the control that takes the focus, the
// click event and the themed flag) in a plain child window of their size; drawing the button and firing
// its click come with the edit-with-button pickers.
#include <string>

#include "framework/controls/graphic_control.h"
#include "framework/controls/win_control.h"
#include "framework/graphics/bitmap.h"

namespace ui {

class TVxSpeedButton : public fw::TGraphicControl {
 public:
  using fw::TGraphicControl::TGraphicControl;
  // Draw with the visual-styles theme.
  bool IsWinXP() const { return isWinXP_; }
  void SetIsWinXP(bool value) { isWinXP_ = value; }

 private:
  bool isWinXP_ = false;
};

class TAsgEditButton : public fw::TWinControl {
 public:
  explicit TAsgEditButton(fw::TComponent* AOwner);

  TVxSpeedButton* Button() const { return button_; }
  fw::TBitmap* Glyph() { return &glyph_; }
  void SetGlyph(fw::TBitmap* value) { glyph_.Assign(value); }
  const std::string& ButtonCaption() const { return caption_; }
  void SetButtonCaption(const std::string& value) { caption_ = value; }
  // The control that keeps the focus while the button is used.
  fw::TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(fw::TWinControl* value) { focusControl_ = value; }

 private:
  TVxSpeedButton* button_;
  fw::TBitmap glyph_;
  std::string caption_;
  fw::TWinControl* focusControl_ = nullptr;
};

}  // namespace ui
