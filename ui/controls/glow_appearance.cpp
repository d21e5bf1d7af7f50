// The glow button's colour functions and its colour set.
#include <algorithm>

#include "framework/rtl/arith.h"
#include "ui/controls/glow_appearance.h"

namespace ui {

namespace {

int Channel(COLORREF rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }

int ShadeChannel(int c, int percent) {
  if (c == 0) return std::clamp(percent, 0, 255);
  const double factor = std::min(100, 100 + percent) / 100.0;
  return std::clamp(static_cast<int>(fw::Round(factor * c)), 0, 255);
}

fw::TColor FromChannels(int r, int g, int b) { return static_cast<fw::TColor>(r | (g << 8) | (b << 16)); }

}  // namespace

fw::TColor ShadeColorRGB(fw::TColor Color, int PercentR, int PercentG, int PercentB) {
  const COLORREF rgb = fw::ColorToRGB(Color);
  return FromChannels(ShadeChannel(Channel(rgb, 0), PercentR), ShadeChannel(Channel(rgb, 8), PercentG),
                      ShadeChannel(Channel(rgb, 16), PercentB));
}

fw::TColor ShadeColor(fw::TColor Color, int Percent) { return ShadeColorRGB(Color, Percent, Percent, Percent); }

fw::TColor BlendColor(fw::TColor Color1, fw::TColor Color2, int Percent) {
  if (Percent >= 100) return Color1;
  if (Percent <= 0 || Color1 == fw::clNone) return Color2;
  if (Color2 == fw::clNone) return Color1;
  const COLORREF c1 = fw::ColorToRGB(Color1);
  const COLORREF c2 = fw::ColorToRGB(Color2);
  const double p = Percent / 100.0;
  auto mix = [&](int shift) {
    return std::min(255, static_cast<int>(fw::Round(p * Channel(c1, shift) + (1.0 - p) * Channel(c2, shift))));
  };
  return FromChannels(mix(0), mix(8), mix(16));
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
