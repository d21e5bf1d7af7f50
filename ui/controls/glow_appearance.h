// The glow button's colour set and the colour functions its looks are made from. GUI thread only.
#pragma once

#include <cstdint>

#include "framework/classes/events.h"
#include "framework/classes/persistent.h"
#include "framework/graphics/colors.h"

namespace ui {

// ---- colour functions ----

// Each channel c becomes round(min(100, 100 + Percent) / 100 * c); a channel that is 0 becomes
// max(0, Percent) (at most 255). System colours are resolved first.
fw::TColor ShadeColor(fw::TColor Color, int Percent);
fw::TColor ShadeColorRGB(fw::TColor Color, int PercentR, int PercentG, int PercentB);
// Color1 at 100 % and above, Color2 at 0 % and below; a clNone on either side gives the other colour;
// otherwise each channel round(p * c1 + (1 - p) * c2), p = Percent / 100, at most 255.
fw::TColor BlendColor(fw::TColor Color1, fw::TColor Color2, int Percent);

// The interval of the hot and pressed fades of every glow button of the process (30 ms at start); at 0
// or less no fade timer is made and the colours switch at once.
int GlowFadeInterval();
void SetGlowFadeInterval(int Milliseconds);

// ---- appearance ----

// How a face half is filled.
enum TGDIPGradient : std::uint8_t { ggRadial, ggVertical, ggDiagonalForward, ggDiagonalBackward };

// The colour set of a glow button: for each of the normal, hot, down, checked and disabled looks an upper
// half (Color to ColorTo), a lower half (ColorMirror to ColorMirrorTo), a gradient kind for each half and
// a border colour; plus the hot and down text colours and the system-font switch. Every setter stores a
// changed value and fires OnChange (the owning button repaints); an equal value does nothing.
class TGlowButtonAppearance : public fw::TPersistent {
 public:
  TGlowButtonAppearance();

  // Another appearance: every value through its setter (one OnChange per changed value), then
  // HotTransparent. Any other source: the inherited Assign.
  void Assign(fw::TPersistent* Source) override;

  fw::TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(fw::TColor v) { Set(borderColor_, v); }
  fw::TColor BorderColorHot() const { return borderColorHot_; }
  void SetBorderColorHot(fw::TColor v) { Set(borderColorHot_, v); }
  fw::TColor BorderColorDown() const { return borderColorDown_; }
  void SetBorderColorDown(fw::TColor v) { Set(borderColorDown_, v); }
  fw::TColor BorderColorChecked() const { return borderColorChecked_; }
  void SetBorderColorChecked(fw::TColor v) { Set(borderColorChecked_, v); }
  fw::TColor BorderColorDisabled() const { return borderColorDisabled_; }
  void SetBorderColorDisabled(fw::TColor v) { Set(borderColorDisabled_, v); }

  fw::TColor Color() const { return color_; }
  void SetColor(fw::TColor v) { Set(color_, v); }
  fw::TColor ColorTo() const { return colorTo_; }
  void SetColorTo(fw::TColor v) { Set(colorTo_, v); }
  fw::TColor ColorMirror() const { return colorMirror_; }
  void SetColorMirror(fw::TColor v) { Set(colorMirror_, v); }
  fw::TColor ColorMirrorTo() const { return colorMirrorTo_; }
  void SetColorMirrorTo(fw::TColor v) { Set(colorMirrorTo_, v); }

  fw::TColor ColorHot() const { return colorHot_; }
  void SetColorHot(fw::TColor v) { Set(colorHot_, v); }
  fw::TColor ColorHotTo() const { return colorHotTo_; }
  void SetColorHotTo(fw::TColor v) { Set(colorHotTo_, v); }
  fw::TColor ColorMirrorHot() const { return colorMirrorHot_; }
  void SetColorMirrorHot(fw::TColor v) { Set(colorMirrorHot_, v); }
  fw::TColor ColorMirrorHotTo() const { return colorMirrorHotTo_; }
  void SetColorMirrorHotTo(fw::TColor v) { Set(colorMirrorHotTo_, v); }

  fw::TColor ColorDown() const { return colorDown_; }
  void SetColorDown(fw::TColor v) { Set(colorDown_, v); }
  fw::TColor ColorDownTo() const { return colorDownTo_; }
  void SetColorDownTo(fw::TColor v) { Set(colorDownTo_, v); }
  fw::TColor ColorMirrorDown() const { return colorMirrorDown_; }
  void SetColorMirrorDown(fw::TColor v) { Set(colorMirrorDown_, v); }
  fw::TColor ColorMirrorDownTo() const { return colorMirrorDownTo_; }
  void SetColorMirrorDownTo(fw::TColor v) { Set(colorMirrorDownTo_, v); }

  fw::TColor ColorChecked() const { return colorChecked_; }
  void SetColorChecked(fw::TColor v) { Set(colorChecked_, v); }
  fw::TColor ColorCheckedTo() const { return colorCheckedTo_; }
  void SetColorCheckedTo(fw::TColor v) { Set(colorCheckedTo_, v); }
  fw::TColor ColorMirrorChecked() const { return colorMirrorChecked_; }
  void SetColorMirrorChecked(fw::TColor v) { Set(colorMirrorChecked_, v); }
  fw::TColor ColorMirrorCheckedTo() const { return colorMirrorCheckedTo_; }
  void SetColorMirrorCheckedTo(fw::TColor v) { Set(colorMirrorCheckedTo_, v); }

  fw::TColor ColorDisabled() const { return colorDisabled_; }
  void SetColorDisabled(fw::TColor v) { Set(colorDisabled_, v); }
  fw::TColor ColorDisabledTo() const { return colorDisabledTo_; }
  void SetColorDisabledTo(fw::TColor v) { Set(colorDisabledTo_, v); }
  fw::TColor ColorMirrorDisabled() const { return colorMirrorDisabled_; }
  void SetColorMirrorDisabled(fw::TColor v) { Set(colorMirrorDisabled_, v); }
  fw::TColor ColorMirrorDisabledTo() const { return colorMirrorDisabledTo_; }
  void SetColorMirrorDisabledTo(fw::TColor v) { Set(colorMirrorDisabledTo_, v); }

  TGDIPGradient Gradient() const { return gradient_; }
  void SetGradient(TGDIPGradient v) { Set(gradient_, v); }
  TGDIPGradient GradientMirror() const { return gradientMirror_; }
  void SetGradientMirror(TGDIPGradient v) { Set(gradientMirror_, v); }
  TGDIPGradient GradientHot() const { return gradientHot_; }
  void SetGradientHot(TGDIPGradient v) { Set(gradientHot_, v); }
  TGDIPGradient GradientMirrorHot() const { return gradientMirrorHot_; }
  void SetGradientMirrorHot(TGDIPGradient v) { Set(gradientMirrorHot_, v); }
  TGDIPGradient GradientDown() const { return gradientDown_; }
  void SetGradientDown(TGDIPGradient v) { Set(gradientDown_, v); }
  TGDIPGradient GradientMirrorDown() const { return gradientMirrorDown_; }
  void SetGradientMirrorDown(TGDIPGradient v) { Set(gradientMirrorDown_, v); }
  TGDIPGradient GradientChecked() const { return gradientChecked_; }
  void SetGradientChecked(TGDIPGradient v) { Set(gradientChecked_, v); }
  TGDIPGradient GradientMirrorChecked() const { return gradientMirrorChecked_; }
  void SetGradientMirrorChecked(TGDIPGradient v) { Set(gradientMirrorChecked_, v); }
  TGDIPGradient GradientDisabled() const { return gradientDisabled_; }
  void SetGradientDisabled(TGDIPGradient v) { Set(gradientDisabled_, v); }
  TGDIPGradient GradientMirrorDisabled() const { return gradientMirrorDisabled_; }
  void SetGradientMirrorDisabled(TGDIPGradient v) { Set(gradientMirrorDisabled_, v); }

  fw::TColor TextColorHot() const { return textColorHot_; }
  void SetTextColorHot(fw::TColor v) { Set(textColorHot_, v); }
  fw::TColor TextColorDown() const { return textColorDown_; }
  void SetTextColorDown(fw::TColor v) { Set(textColorDown_, v); }
  bool SystemFont() const { return systemFont_; }
  void SetSystemFont(bool v) { Set(systemFont_, v); }

  // The hot look stays transparent on a transparent button (set by the style presets; no OnChange).
  bool HotTransparent() const { return hotTransparent_; }
  void SetHotTransparent(bool v) { hotTransparent_ = v; }

  fw::TNotifyEvent OnChange;

 private:
  template <class T>
  void Set(T& field, T value) {
    if (field == value) return;
    field = value;
    if (OnChange) OnChange(this);
  }

  fw::TColor borderColor_ = 0xC0C0C0;
  fw::TColor borderColorHot_ = 0xFF0000;
  fw::TColor borderColorDown_ = 0x800000;
  fw::TColor color_ = 0xFFFFFF;
  fw::TColor colorTo_ = 0xFFFFFF;
  fw::TColor colorDown_ = 0;
  fw::TColor colorDownTo_ = 0;
  fw::TColor colorHot_ = 0xF5F0E1;
  fw::TColor colorHotTo_ = 0xF9D2B2;
  fw::TColor colorCheckedTo_ = 0;
  fw::TColor borderColorDisabled_ = 0x808080;
  fw::TColor borderColorChecked_ = 0xFF0000;
  fw::TColor colorDisabled_ = 0;
  fw::TColor colorDisabledTo_ = 0;
  fw::TColor colorChecked_ = 0;
  fw::TColor colorMirror_ = 0xC0C0C0;
  fw::TColor colorMirrorTo_ = 0xFFFFFF;
  fw::TColor colorMirrorHot_ = 0xF5C8AD;
  fw::TColor colorMirrorHotTo_ = 0xFFF8F4;
  fw::TColor colorMirrorDown_ = 0;
  fw::TColor colorMirrorDownTo_ = 0;
  TGDIPGradient gradientDown_ = ggRadial;
  TGDIPGradient gradientMirror_ = ggVertical;
  TGDIPGradient gradientMirrorHot_ = ggRadial;
  TGDIPGradient gradient_ = ggVertical;
  TGDIPGradient gradientMirrorDown_ = ggRadial;
  TGDIPGradient gradientHot_ = ggRadial;
  fw::TColor colorMirrorDisabledTo_ = 0;
  fw::TColor colorMirrorDisabled_ = 0;
  fw::TColor colorMirrorCheckedTo_ = 0;
  fw::TColor colorMirrorChecked_ = 0;
  TGDIPGradient gradientChecked_ = ggRadial;
  TGDIPGradient gradientDisabled_ = ggRadial;
  TGDIPGradient gradientMirrorChecked_ = ggVertical;
  TGDIPGradient gradientMirrorDisabled_ = ggRadial;
  fw::TColor textColorHot_ = 0;
  fw::TColor textColorDown_ = 0;
  bool systemFont_ = true;
  bool hotTransparent_ = false;
};

}  // namespace ui
