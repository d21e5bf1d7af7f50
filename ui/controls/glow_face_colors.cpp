#include "ui/controls/glow_face_colors.h"

namespace ui {

namespace {

TGlowFaceColors NormalLook(const TGlowButtonAppearance& a) {
  return {a.Color(), a.ColorTo(), a.ColorMirror(), a.ColorMirrorTo(), a.BorderColor(), a.Gradient(),
          a.GradientMirror(), false};
}
TGlowFaceColors HotLook(const TGlowButtonAppearance& a) {
  return {a.ColorHot(), a.ColorHotTo(), a.ColorMirrorHot(), a.ColorMirrorHotTo(), a.BorderColorHot(),
          a.GradientHot(), a.GradientMirrorHot(), true};
}
TGlowFaceColors DownLook(const TGlowButtonAppearance& a) {
  return {a.ColorDown(), a.ColorDownTo(), a.ColorMirrorDown(), a.ColorMirrorDownTo(), a.BorderColorDown(),
          a.GradientDown(), a.GradientMirrorDown(), true};
}
TGlowFaceColors CheckedLook(const TGlowButtonAppearance& a) {
  return {a.ColorChecked(), a.ColorCheckedTo(), a.ColorMirrorChecked(), a.ColorMirrorCheckedTo(),
          a.BorderColorChecked(), a.GradientChecked(), a.GradientMirrorChecked(), false};
}
TGlowFaceColors DisabledLook(const TGlowButtonAppearance& a) {
  return {a.ColorDisabled(), a.ColorDisabledTo(), a.ColorMirrorDisabled(), a.ColorMirrorDisabledTo(),
          a.BorderColorDisabled(), a.GradientDisabled(), a.GradientMirrorDisabled(), false};
}

// The four fills of face become the blend of the looks from and to at Percent (the border too when asked).
void BlendInto(TGlowFaceColors& face, const TGlowFaceColors& from, const TGlowFaceColors& to, int percent,
               bool border) {
  face.Color = BlendColor(from.Color, to.Color, percent);
  face.ColorTo = BlendColor(from.ColorTo, to.ColorTo, percent);
  face.ColorMirror = BlendColor(from.ColorMirror, to.ColorMirror, percent);
  face.ColorMirrorTo = BlendColor(from.ColorMirrorTo, to.ColorMirrorTo, percent);
  if (border) face.BorderColor = BlendColor(from.BorderColor, to.BorderColor, percent);
}

bool ShowsDisabled(const TGlowFaceState& s) {
  return (s.ButtonState == gbsDisabled || !s.Enabled) && s.ShowDisabled;
}

}  // namespace

std::uint8_t PaintedButtonState(std::uint8_t ButtonState, bool Enabled, bool Down, int GroupIndex,
                                TVxButtonStyle Style) {
  std::uint8_t state = ButtonState;
  if (!Enabled) {
    state = gbsDisabled;
  } else if (state == gbsDisabled) {
    state = Down && GroupIndex != 0 ? gbsGroupDown : gbsUp;
  }
  if (Style == bsCheck && Down) state = gbsPressed;
  return state;
}

TGlowFaceColors GlowFaceColors(const TGlowButtonAppearance& a, const TGlowFaceState& s) {
  const bool checkedDown = s.Style == bsCheck && s.ButtonState == gbsPressed;
  TGlowFaceColors face;
  if (ShowsDisabled(s)) {
    face = DisabledLook(a);
  } else if (s.ButtonState == gbsPressed && s.Style == bsButton) {
    face = DownLook(a);
  } else if (s.ButtonState == gbsGroupDown || checkedDown) {
    face = CheckedLook(a);
    const bool blend =
        s.Fading && ((s.MouseInControl || (s.Style == bsButton && (s.GroupIndex <= 0 || s.ButtonState == gbsPressed))) ||
                     (s.MouseInside && checkedDown));
    if (blend) BlendInto(face, CheckedLook(a), DownLook(a), s.DownFade, false);
  } else if (s.HotColors) {
    face = HotLook(a);
  } else {
    face = NormalLook(a);
  }
  if (face.ColorMirror == fw::clNone) face.ColorMirror = face.Color;

  if (s.Fading) {
    if (!s.PressedGlow && !s.Transparent && s.ButtonState != gbsGroupDown && !checkedDown) {
      BlendInto(face, HotLook(a), NormalLook(a), s.HotFade, true);
    } else if (checkedDown && s.PressedGlow) {
      if (s.MouseInside) BlendInto(face, CheckedLook(a), DownLook(a), s.DownFade, false);
      else BlendInto(face, DownLook(a), CheckedLook(a), s.DownFade, false);
    } else if (s.PressedGlow && s.ButtonState != gbsGroupDown) {
      BlendInto(face, DownLook(a), HotLook(a), s.DownFade, true);
    }
  }

  if (s.Position != bpStandalone && s.MouseDown) face.BorderColor = a.BorderColor();
  if (ShowsDisabled(s)) face = DisabledLook(a);
  if (s.HotFocus && !s.PressedGlow) face = HotLook(a);
  return face;
}

}  // namespace ui
