#pragma once
// The Unicode combo box with a flat look: while Flat it paints its own frame (highlighted with
// FocusBorder while the mouse is over it or it has the focus) and drop button (themed with IsWinXP when
// the theme library is there, classic otherwise; none for the simple style). Disabled it shows its
// parent's colour and gets its own back when enabled again. AutoFocus takes the focus when the mouse
// enters. GUI thread only.
#include "ui/dropdown/uni_combo_box.h"

namespace ui {

class TASGUniCustomCombo : public TCustomUNIComboBox {
 public:
  explicit TASGUniCustomCombo(fw::TComponent* AOwner);

  bool AutoFocus() const { return autoFocus_; }
  void SetAutoFocus(bool value) { autoFocus_ = value; }
  bool Flat() const { return flat_; }
  // Ctl3D follows as the opposite.
  void SetFlat(bool value);
  bool Etched() const { return etched_; }
  void SetEtched(bool value);
  // 14 to 32; other widths keep the one there is.
  int ButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(int value);
  bool FocusBorder() const { return focusBorder_; }
  void SetFocusBorder(bool value) { focusBorder_ = value; }
  // The dropped list's width (0: the system's).
  int DropWidth() const { return dropWidth_; }
  void SetDropWidth(int value);
  // Set by the owner (the grid from its own themed flag).
  bool IsWinXP() const { return isWinXP_; }
  void SetIsWinXP(bool value) { isWinXP_ = value; }

  void Dispatch(fw::TMessage& Message) override;

 protected:
  void CreateWnd() override;
  // The frame and button frame on the window's device context.
  void PaintFrames();

 private:
  bool FrameHighlighted();
  bool ButtonHighlighted();
  bool ActiveControl() const;
  void PaintControlFrame(HDC DC, RECT Rect, bool Highlighted);
  void PaintButtonFrame(HDC DC, RECT Rect);
  void PaintFlat(fw::TMessage& Message);
  void DrawButton(HDC DC);
  RECT WindowRectAtOrigin() const;
  void EnabledChanged();

  bool autoFocus_ = false;
  bool flat_ = true;
  bool etched_ = false;
  fw::TColor savedColor_;
  bool savedParentColor_;
  int buttonWidth_;
  bool focusBorder_ = false;
  bool mouseInControl_ = false;
  int dropWidth_ = 0;
  bool isWinXP_ = false;
};

class TASGUniComboBox : public TASGUniCustomCombo {
 public:
  using TASGUniCustomCombo::TASGUniCustomCombo;
};

}  // namespace ui
