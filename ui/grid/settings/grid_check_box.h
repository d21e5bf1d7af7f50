// TVxCheckBox: the windowed check box of the grid's search panel that paints itself: the visual style's
// or the classic box at the left or right, the caption beside it, optionally over its parent's image
// (cached or painted afresh), read-only (clicks fire but do not toggle) and Enter acting as Tab.
// GUI thread only.
#pragma once

#include "framework/controls/check_box.h"
#include "framework/controls/custom_control.h"
#include "framework/controls/std_types.h"
#include "framework/graphics/bitmap.h"

namespace ui {

class TVxCheckBox : public fw::TCustomControl {
 public:
  explicit TVxCheckBox(fw::TComponent* AOwner);

  // taLeftJustify: the box at the left, the caption right of it; taRightJustify: the box at the right.
  fw::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(fw::TAlignment value);
  fw::TTextLayout ButtonVertAlign() const { return buttonVertAlign_; }
  void SetButtonVertAlign(fw::TTextLayout value);
  bool Checked() const { return state_ == fw::cbChecked; }
  void SetChecked(bool value);
  // A change invalidates only the box's 20 pixels at the aligned side.
  fw::TCheckBoxState State() const { return state_; }
  void SetState(fw::TCheckBoxState value);
  bool Ellipsis() const { return ellipsis_; }
  void SetEllipsis(bool value);
  bool ReadOnly = false;
  bool ReturnIsTab = false;
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // With caching the parent's image is taken once (again after a move or resize); without it, at every
  // paint.
  bool TransparentCaching() const { return caching_; }
  void SetTransparentCaching(bool value);

  // Inverts Checked unless ReadOnly.
  void Toggle();
  bool Pressed() const { return pressed_; }
  bool Hot() const { return hot_; }
  // The box's square in client coordinates (14 x 14 themed, 13 x 13 classic).
  fw::TRect BoxRect();

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void WndProc(fw::TMessage& Message) override;

 protected:
  void Paint() override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, fw::TShiftState Shift) override;
  void KeyUp(WORD& Key, fw::TShiftState Shift) override;

 private:
  bool Themed() const;
  void InvalidateBox(int size);
  void PaintBackground(fw::TCanvas* canvas);

  fw::TAlignment alignment_ = fw::taLeftJustify;
  fw::TTextLayout buttonVertAlign_ = fw::tlTop;
  fw::TCheckBoxState state_ = fw::cbUnchecked;
  bool ellipsis_ = false;
  bool transparent_ = false;
  bool caching_ = false;
  bool focused_ = false;
  bool pressed_ = false;
  bool hot_ = false;
  bool mouseDown_ = false;
  bool winXP_ = false;
  fw::TBitmap background_;
  bool backgroundValid_ = false;
};

}  // namespace ui
