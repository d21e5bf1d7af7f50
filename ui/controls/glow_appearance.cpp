// The glow button's colour functions and its colour set.
#include "ui/controls/glow_appearance.h"

#include "ui/foundation/color_conversions.h"

namespace ui {

fw::TColor ShadeColorRGB(fw::TColor Color, int PercentR, int PercentG, int PercentB) {
  return ShadeChannels(Color, PercentR, PercentG, PercentB);
}

fw::TColor ShadeColor(fw::TColor Color, int Percent) { return ShadeColorRGB(Color, Percent, Percent, Percent); }

// The glow faces blend towards a colour that is not set by keeping the one that is.
fw::TColor BlendColor(fw::TColor Color1, fw::TColor Color2, int Percent) {
  if (Percent >= 100) return Color1;
  if (Percent <= 0 || Color1 == fw::clNone) return Color2;
  if (Color2 == fw::clNone) return Color1;
  return BlendChannels(Color1, Color2, Percent);
}

TGlowButtonAppearance::TGlowButtonAppearance() {
  SetColorChecked(ShadeColorRGB(colorHot_, -10, -10, 0));
  SetColorCheckedTo(ShadeColorRGB(colorHotTo_, -10, -10, 0));
  SetColorDisabled(ShadeColor(0xFFFFFF, -5));
  SetColorDisabledTo(ShadeColor(0xFFFFFF, -5));
  SetColorDown(colorChecked_);
  SetColorDownTo(colorCheckedTo_);
  SetColorMirrorDown(ShadeColorRGB(colorMirrorHot_, -10, -10, 0));
  SetColorMirrorDownTo(ShadeColorRGB(colorMirrorHotTo_, -10, -10, 0));
  SetColorMirrorChecked(colorMirrorDown_);
  SetColorMirrorCheckedTo(colorMirrorDownTo_);
  SetColorMirrorDisabled(ShadeColor(0xC0C0C0, -5));
  SetColorMirrorDisabledTo(ShadeColor(0xFFFFFF, -5));
}

void TGlowButtonAppearance::Assign(fw::TPersistent* Source) {
  auto* other = dynamic_cast<TGlowButtonAppearance*>(Source);
  if (other == nullptr) {
    fw::TPersistent::Assign(Source);
    return;
  }
  SetColor(other->color_);
  SetColorTo(other->colorTo_);
  SetColorMirror(other->colorMirror_);
  SetColorMirrorTo(other->colorMirrorTo_);
  SetColorHot(other->colorHot_);
  SetColorHotTo(other->colorHotTo_);
  SetColorMirrorHot(other->colorMirrorHot_);
  SetColorMirrorHotTo(other->colorMirrorHotTo_);
  SetColorDown(other->colorDown_);
  SetColorDownTo(other->colorDownTo_);
  SetColorMirrorDown(other->colorMirrorDown_);
  SetColorMirrorDownTo(other->colorMirrorDownTo_);
  SetColorChecked(other->colorChecked_);
  SetColorCheckedTo(other->colorCheckedTo_);
  SetColorMirrorChecked(other->colorMirrorChecked_);
  SetColorMirrorCheckedTo(other->colorMirrorCheckedTo_);
  SetColorDisabled(other->colorDisabled_);
  SetColorDisabledTo(other->colorDisabledTo_);
  SetColorMirrorDisabled(other->colorMirrorDisabled_);
  SetColorMirrorDisabledTo(other->colorMirrorDisabledTo_);
  SetBorderColor(other->borderColor_);
  SetBorderColorHot(other->borderColorHot_);
  SetBorderColorDown(other->borderColorDown_);
  SetBorderColorChecked(other->borderColorChecked_);
  SetBorderColorDisabled(other->borderColorDisabled_);
  SetGradient(other->gradient_);
  SetGradientMirror(other->gradientMirror_);
  SetGradientHot(other->gradientHot_);
  SetGradientMirrorHot(other->gradientMirrorHot_);
  SetGradientDown(other->gradientDown_);
  SetGradientMirrorDown(other->gradientMirrorDown_);
  SetGradientChecked(other->gradientChecked_);
  SetGradientMirrorChecked(other->gradientMirrorChecked_);
  SetGradientDisabled(other->gradientDisabled_);
  SetGradientMirrorDisabled(other->gradientMirrorDisabled_);
  SetTextColorHot(other->textColorHot_);
  SetTextColorDown(other->textColorDown_);
  SetSystemFont(other->systemFont_);
  hotTransparent_ = other->hotTransparent_;
}

}  // namespace ui
