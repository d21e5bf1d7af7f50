// Which colours a glow button's face takes: one pure function of the button's state, its fades and its
// appearance, so the decision can be checked without painting.
#pragma once

#include <cstdint>

#include "ui/controls/custom_glow_button.h"

namespace ui {

// The state a face is painted in.
struct TGlowFaceState {
  std::uint8_t ButtonState = gbsUp;  // gbsUp, gbsDisabled, gbsPressed or gbsGroupDown
  bool Enabled = true;
  bool ShowDisabled = true;
  TVxButtonStyle Style = bsButton;
  int GroupIndex = 0;
  bool Fading = false;               // a fade timer runs: colours are blended
  int HotFade = 0;                   // 0 normal .. 100 hot
  int DownFade = 0;                  // 0 .. 100 pressed
  bool MouseInControl = false;
  bool MouseInside = false;
  bool MouseDown = false;
  bool PressedGlow = false;
  bool HotColors = false;
  bool HotFocus = false;             // focused with FocusType ftHot or ftHotBorder
  bool Transparent = false;
  TButtonPosition Position = bpStandalone;
};

// The seven values of one face and whether the hot or down look was chosen.
struct TGlowFaceColors {
  fw::TColor Color = fw::clNone;
  fw::TColor ColorTo = fw::clNone;
  fw::TColor ColorMirror = fw::clNone;
  fw::TColor ColorMirrorTo = fw::clNone;
  fw::TColor BorderColor = fw::clNone;
  TGDIPGradient Gradient = ggVertical;
  TGDIPGradient GradientMirror = ggVertical;
  bool Highlighted = false;
};

TGlowFaceColors GlowFaceColors(const TGlowButtonAppearance& Appearance, const TGlowFaceState& State);

// The button state a paint starts from: disabled while the control is, back to up (or down in a group) once
// enabled again; a down check button is pressed.
std::uint8_t PaintedButtonState(std::uint8_t ButtonState, bool Enabled, bool Down, int GroupIndex,
                                TVxButtonStyle Style);

}  // namespace ui
