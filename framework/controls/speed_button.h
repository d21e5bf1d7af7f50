#pragma once
// TSpeedButton: a button drawn on its parent's window, with a glyph and a caption. Buttons of one parent
// that share a GroupIndex other than 0 act together: one of them is Down at a time, and with
// AllowAllUp (shared by the group) none may be. A button of group 0 only stays down while pressed.
#include "framework/controls/graphic_control.h"
#include "framework/graphics/bitmap.h"

namespace fw {

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* AOwner);

  bool Down() const { return down_; }
  void SetDown(bool value);
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value);
  TBitmap* Glyph() { return &glyph_; }
  void SetGlyph(TBitmap* value) { glyph_.Assign(value); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);

  // Drawn pressed: held down by the mouse right now, or Down.
  bool Sunken() const { return pressed_ || down_; }

  void Click() override { TGraphicControl::Click(); }
  void Dispatch(TMessage& Message) override;

 protected:
  void Paint() override;

 private:
  // Tells the other buttons of the group that this one went down, or that AllowAllUp changed.
  void UpdateExclusive();
  void ButtonPressed(TSpeedButton* sender);

  bool down_ = false;
  bool flat_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool pressed_ = false;   // held down by the mouse now
  bool mouseIn_ = false;
  TBitmap glyph_;
  int spacing_ = 4;
};

}  // namespace fw
