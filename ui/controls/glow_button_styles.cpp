// The glow button's style presets and face-colour sets (the toolkit's two style interfaces).
#include <optional>

#include "ui/controls/custom_glow_button.h"
#include "ui/foundation/style_detection.h"

namespace ui {

namespace {

// One look of a preset: the upper and lower halves and the border (none: the border stays).
struct LookColors {
  fw::TColor color, colorTo, mirror, mirrorTo;
  std::optional<fw::TColor> border;
};

enum class Group { Normal, Hot, Down, Checked };

struct Preset {
  int style;
  LookColors normal;
  bool warm;                  // hot, down and checked take the warm set
  bool warmCheckedBorder;     // ... and the checked border the warm down border
  std::optional<LookColors> hot, down, checked;
  bool gradients = true;      // each look given sets its two gradient kinds vertical
};

constexpr fw::TColor N = fw::clNone;
constexpr fw::TColor HL = fw::clHighlight;
constexpr fw::TColor kWarmDownBorder = 0x45667B;

const LookColors kWarmHot{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x99CEDB};
const LookColors kWarmDown{0x76AFF1, 0x4190F3, 0x0E72F1, 0x4C9FFD, kWarmDownBorder};
const LookColors kWarmChecked{0xB5DBFB, 0x78C7FE, 0x9FEBFD, 0x56B4FE, std::nullopt};

const LookColors kStyle13Hot{0x8AE3FD, 0xD9F9FD, 0xD9F9FD, 0x8AE3FD, 0x58CAF1};
const LookColors kStyle13Down{0x6CD0FF, 0x7BEEFF, 0x7BEEFF, 0x6CD0FF, 0x308AC2};
const LookColors kStyle13Checked{0xD9F9FD, 0x6CD0FF, 0x6CD0FF, 0x6CD0FF, 0x308AC2};

const Preset kPresets[] = {
    {0, {0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B}, true, false, {}, {}, {}},
    {1, {0xE6E9E2, 0xE6D8D8, 0xE6E9E2, 0xC8B2B3, 0x927476}, true, false, {}, {}, {}},
    {2, {0xCFF0EA, 0xCFF0EA, 0xCFF0EA, 0x8CC0B1, 0x8CC0B1}, true, false, {}, {}, {}},
    {3, {0xFFFFFF, 0xC9D1D5, 0xFFFFFF, 0xC9D1D5, 0x000000}, true, false, {}, {}, {}},
    {4, {0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B}, true, true, {}, {}, {}},
    {5, {0xDFDED6, 0xE4E2DB, 0xD7D5CE, 0xE7E5E0, 0xC0BCB2}, true, true, {}, {}, {}},
    {6,
     {0xFFFFFF, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC},
     false,
     false,
     LookColors{0xEFD3C6, 0xEFD3C6, 0xEFD3C6, 0xEFD3C6, HL},
     LookColors{0xB59284, 0xB59284, 0xB59284, 0xB59284, HL},
     LookColors{0xB9D8DC, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC, 0x000000}},
    {7, {0xFFFFFF, 0xDFEDF0, 0xDFEDF0, 0xDFEDF0, 0x99A8AC}, true, false, {}, {}, {}},
    {9, {0xF3F3F1, 0xF5F5F3, 0xEEEAE7, 0xF8F7F6, 0xCCCAC9}, true, true, {}, {}, {}},
    {10,
     {0xFDF8F1, 0xFDF8F1, 0xFCEFD5, 0xFDF8F1, 0xFDDE99},
     false,
     false,
     LookColors{N, 0xFFFAF0, 0xFFFAF0, 0xFFFAF0, 0xFCF2DA},
     LookColors{0xFCEFD5, 0xFCEFD5, 0xFDF4E3, 0xFDF4E3, 0xFEDF9A},
     LookColors{0xFCEFD5, 0xFAE9C6, 0xF7DAA2, 0xFBEDD3, 0xFEDF9A}},
    {11,
     {0xFCEBDC, 0xFCDBC1, 0xFCDBC1, 0xFCDBC1, 0xCEA27D},
     false,
     false,
     LookColors{0xFDFBFA, 0xFDF3EB, 0xFDF3EB, 0xFDFBFA, 0xFBD6B8},
     LookColors{0xFCEBDC, 0xFCDBC1, 0xFCDBC1, 0xFCEBDC, 0xCEA27D},
     LookColors{0xFDFBFA, 0xFDF3EB, 0xFCEBDC, 0xFCEBDC, HL}},
    {12,
     {fw::clBtnFace, fw::clBtnFace, fw::clBtnFace, fw::clBtnFace, std::nullopt},
     false,
     false,
     LookColors{0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0x808080},
     LookColors{HL, HL, HL, HL, HL},
     LookColors{0x808080, 0x808080, 0x808080, 0x808080, 0x808080},
     false},
    {13, {0xFDF6EF, 0xF0DAC7, 0xF0DAC7, 0xF0DAC7, 0xC7B29F}, false, false, kStyle13Hot, kStyle13Down, kStyle13Checked},
    {14, {0xFFFFFF, 0xEDE5E0, 0xEDE5E0, 0xEDE5E0, 0xD2CDC8}, false, false, kStyle13Hot, kStyle13Down, kStyle13Checked},
    {15, {0xBFBFBF, 0x919191, 0x919191, 0x919191, 0x6D6D6D}, false, false, kStyle13Hot, kStyle13Down, kStyle13Checked},
};

// The setters of one look: the four fills, the border and the two gradient kinds.
struct LookSetters {
  using ColorSetter = void (TGlowButtonAppearance::*)(fw::TColor);
  using GradientSetter = void (TGlowButtonAppearance::*)(TGDIPGradient);
  ColorSetter color, colorTo, mirror, mirrorTo, border;
  GradientSetter gradient, gradientMirror;
};

using A = TGlowButtonAppearance;
// In the order of Group.
constexpr LookSetters kLookSetters[] = {
    {&A::SetColor, &A::SetColorTo, &A::SetColorMirror, &A::SetColorMirrorTo, &A::SetBorderColor, &A::SetGradient,
     &A::SetGradientMirror},
    {&A::SetColorHot, &A::SetColorHotTo, &A::SetColorMirrorHot, &A::SetColorMirrorHotTo, &A::SetBorderColorHot,
     &A::SetGradientHot, &A::SetGradientMirrorHot},
    {&A::SetColorDown, &A::SetColorDownTo, &A::SetColorMirrorDown, &A::SetColorMirrorDownTo, &A::SetBorderColorDown,
     &A::SetGradientDown, &A::SetGradientMirrorDown},
    {&A::SetColorChecked, &A::SetColorCheckedTo, &A::SetColorMirrorChecked, &A::SetColorMirrorCheckedTo,
     &A::SetBorderColorChecked, &A::SetGradientChecked, &A::SetGradientMirrorChecked},
};

void ApplyLook(TGlowButtonAppearance* a, Group group, const LookColors& look, bool gradients) {
  const LookSetters& set = kLookSetters[static_cast<int>(group)];
  (a->*set.color)(look.color);
  (a->*set.colorTo)(look.colorTo);
  (a->*set.mirror)(look.mirror);
  (a->*set.mirrorTo)(look.mirrorTo);
  if (look.border) (a->*set.border)(*look.border);
  if (gradients) {
    (a->*set.gradient)(ggVertical);
    (a->*set.gradientMirror)(ggVertical);
  }
}

void ApplyWarmSet(TGlowButtonAppearance* a) {
  ApplyLook(a, Group::Hot, kWarmHot, true);
  ApplyLook(a, Group::Down, kWarmDown, true);
  ApplyLook(a, Group::Checked, kWarmChecked, true);
}

}  // namespace

void TVxCustomGlowButton::ApplyStyle(int Style) {
  TGlowButtonAppearance* a = appearance_.get();
  a->SetHotTransparent(Style == 13 || Style == 14 || Style == 15);
  if (Style == 0 || Style == 1 || Style == 2 || Style == 7) ApplyWarmSet(a);
  for (const Preset& preset : kPresets) {
    if (preset.style != Style) continue;
    ApplyLook(a, Group::Normal, preset.normal, preset.gradients);
    if (preset.warm) ApplyWarmSet(a);
    if (preset.warmCheckedBorder) a->SetBorderColorChecked(kWarmDownBorder);
    if (preset.hot) ApplyLook(a, Group::Hot, *preset.hot, preset.gradients);
    if (preset.down) ApplyLook(a, Group::Down, *preset.down, preset.gradients);
    if (preset.checked) ApplyLook(a, Group::Checked, *preset.checked, preset.gradients);
  }
  Invalidate();
}

void TVxCustomGlowButton::ApplyStyleColors(const TControlFaceColors& Colors) {
  TGlowButtonAppearance* a = appearance_.get();
  a->SetColor(Colors.NormalFill);
  a->SetColorTo(fw::clNone);
  a->SetBorderColor(Colors.NormalBorder);
  a->SetColorMirror(Colors.NormalFill);
  a->SetColorMirrorTo(fw::clNone);

  a->SetColorHot(Colors.HotFill);
  a->SetColorMirrorHot(Colors.HotFill);
  a->SetColorHotTo(fw::clNone);
  a->SetColorMirrorHotTo(fw::clNone);
  a->SetBorderColorHot(Colors.HotBorder);
  a->SetTextColorHot(Colors.HotText);

  a->SetTextColorDown(Colors.DownText);
  a->SetColorDown(Colors.DownFill);
  a->SetColorMirrorDown(Colors.DownFill);
  a->SetColorDownTo(fw::clNone);
  a->SetColorMirrorDownTo(fw::clNone);
  a->SetBorderColorDown(Colors.DownBorder);

  a->SetColorDisabled(Colors.NormalFill);
  a->SetColorDisabledTo(Colors.NormalFill);
  a->SetColorMirrorDisabled(Colors.NormalFill);
  a->SetColorMirrorDisabledTo(Colors.NormalFill);
  a->SetBorderColorDisabled(Colors.DisabledText);

  // The fades stop for every glow button of the process.
  SetGlowFadeInterval(0);
  SetRounded(false);
  Font()->SetColor(Colors.NormalText);
  Font()->SetName(GetDefaultFontName());
}

}  // namespace ui
