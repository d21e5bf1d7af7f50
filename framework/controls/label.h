#pragma once
// TLabel: text drawn on the parent's window. With AutoSize it takes the size of its text; Transparent
// leaves the parent's background behind the text; an accelerator in the caption ("&Name") focuses
// FocusControl.
#include "framework/controls/graphic_control.h"
#include "framework/controls/std_types.h"
#include "framework/controls/win_control.h"

namespace fw {

class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TComponent* AOwner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool Transparent() const { return !controlStyle_.Contains(csOpaque); }
  void SetTransparent(bool value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* value);

  void Dispatch(TMessage& Message) override;

 protected:
  void Paint() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void AdjustBounds();

 private:
  UINT TextFlags() const;

  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
 public:
  using TCustomLabel::TCustomLabel;
};

}  // namespace fw
