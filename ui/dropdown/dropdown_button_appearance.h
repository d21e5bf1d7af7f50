// The colours and font of the buttons of a drop-down (its header and footer buttons and the keys of the
// calculator) in their normal, hot, pressed, checked and disabled looks. Every colour setter and the
// Gradient setter tell OnChange when the value changes; the font setter copies without telling. GUI
// thread only.
#pragma once

#include "framework/classes/events.h"
#include "framework/classes/persistent.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/font.h"
#include "ui/dropdown/dropdown_appearance_types.h"

namespace ui {

class TVxButtonAppearance : public fw::TPersistent {
 public:
  TVxButtonAppearance();

  // Another button appearance: every colour and the gradient through their setters (one OnChange per
  // changed value), then the font. Any other source raises the framework's assign error.
  void Assign(fw::TPersistent* Source) override;

  fw::TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(fw::TColor Value) { Change(borderColor_, Value); }
  fw::TColor BorderColorHot() const { return borderColorHot_; }
  void SetBorderColorHot(fw::TColor Value) { Change(borderColorHot_, Value); }
  fw::TColor BorderColorDown() const { return borderColorDown_; }
  void SetBorderColorDown(fw::TColor Value) { Change(borderColorDown_, Value); }
  fw::TColor BorderColorDisabled() const { return borderColorDisabled_; }
  void SetBorderColorDisabled(fw::TColor Value) { Change(borderColorDisabled_, Value); }
  fw::TColor Color() const { return color_; }
  void SetColor(fw::TColor Value) { Change(color_, Value); }
  fw::TColor ColorTo() const { return colorTo_; }
  void SetColorTo(fw::TColor Value) { Change(colorTo_, Value); }
  fw::TColor ColorDisabled() const { return colorDisabled_; }
  void SetColorDisabled(fw::TColor Value) { Change(colorDisabled_, Value); }
  fw::TColor ColorDisabledTo() const { return colorDisabledTo_; }
  void SetColorDisabledTo(fw::TColor Value) { Change(colorDisabledTo_, Value); }
  fw::TColor ColorDown() const { return colorDown_; }
  void SetColorDown(fw::TColor Value) { Change(colorDown_, Value); }
  fw::TColor ColorDownTo() const { return colorDownTo_; }
  void SetColorDownTo(fw::TColor Value) { Change(colorDownTo_, Value); }
  fw::TColor ColorHot() const { return colorHot_; }
  void SetColorHot(fw::TColor Value) { Change(colorHot_, Value); }
  fw::TColor ColorHotTo() const { return colorHotTo_; }
  void SetColorHotTo(fw::TColor Value) { Change(colorHotTo_, Value); }
  // Owned; the setter copies the given font.
  fw::TFont* Font() { return &font_; }
  void SetFont(fw::TFont* Value) { font_.Assign(Value); }
  dropdown::TGradientDirection Gradient() const { return gradient_; }
  void SetGradient(dropdown::TGradientDirection Value) { Change(gradient_, Value); }

  // The checked look; not stored with the form (the drop-downs' style presets set them).
  fw::TColor CheckedColor() const { return checkedColor_; }
  void SetCheckedColor(fw::TColor Value) { Change(checkedColor_, Value); }
  fw::TColor CheckedColorTo() const { return checkedColorTo_; }
  void SetCheckedColorTo(fw::TColor Value) { Change(checkedColorTo_, Value); }
  fw::TColor CheckedBorderColor() const { return checkedBorderColor_; }
  void SetCheckedBorderColor(fw::TColor Value) { Change(checkedBorderColor_, Value); }

  // Set by the owner (sender: this appearance).
  fw::TNotifyEvent OnChange;

 private:
  template <class T>
  void Change(T& field, T value) {
    if (field == value) return;
    field = value;
    if (OnChange) OnChange(this);
  }

  fw::TColor borderColor_ = fw::clNone;
  fw::TColor borderColorHot_ = fw::clGray;
  fw::TColor borderColorDown_ = fw::clNavy;
  fw::TColor borderColorDisabled_ = fw::clGray;
  fw::TColor color_ = fw::clNone;
  fw::TColor colorTo_ = fw::clNone;
  fw::TColor colorDisabled_ = 0xF2F2F2;
  fw::TColor colorDisabledTo_ = fw::clNone;
  fw::TColor colorDown_ = 0xF5D8CA;
  fw::TColor colorDownTo_ = 0xF9BDA0;
  fw::TColor colorHot_ = 0xF5F0E1;
  fw::TColor colorHotTo_ = 0xF9D2B2;
  fw::TFont font_;
  dropdown::TGradientDirection gradient_ = dropdown::gdVertical;
  // The hot colours with red and green at 90 %, blue kept (rounded half to even).
  fw::TColor checkedColor_ = 0xF5D8CA;
  fw::TColor checkedColorTo_ = 0xF9BDA0;
  fw::TColor checkedBorderColor_ = fw::clBlue;
};

}  // namespace ui
