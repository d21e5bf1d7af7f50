#include "ui/dropdown/button_panel_glow_key.h"

#include "ui/foundation/gdip_brushes.h"
#include "ui/foundation/gdip_graphics.h"
#include "ui/foundation/gdip_objects.h"
#include "ui/foundation/gdip_values.h"

namespace ui::dropdown {
namespace {

// The colour's bytes as stored, with the given opacity.
ARGB Translucent(fw::TColor Color, std::uint8_t Alpha) {
  return MakeColor(Alpha, static_cast<std::uint8_t>(Color), static_cast<std::uint8_t>(Color >> 8),
                   static_cast<std::uint8_t>(Color >> 16));
}

// Fills (Left, Top, Right, Bottom) with a gradient from From to To; an empty rectangle draws nothing.
void FillGradient(TGPGraphics& Graphics, int Left, int Top, int Right, int Bottom, ARGB From, ARGB To,
                  LinearGradientMode Mode) {
  if (Right <= Left || Bottom <= Top) return;
  const GpRectF r = MakeRect(static_cast<float>(Left), static_cast<float>(Top), static_cast<float>(Right - Left),
                             static_cast<float>(Bottom - Top));
  TGPLinearGradientBrush brush(r, From, To, Mode);
  Graphics.FillRectangle(&brush, r);
}

void PaintGlow(TGPGraphics& Graphics, const fw::TRect& R, fw::TColor GlowColor) {
  const int L = R.Left, T = R.Top, Rt = R.Right, B = R.Bottom;
  TGPPen edge(Translucent(GlowColor, 100));
  Graphics.DrawRectangleXYWH(&edge, static_cast<float>(L), static_cast<float>(T), static_cast<float>(Rt - L),
                             static_cast<float>(B - T - 1));
  const ARGB inner = Translucent(GlowColor, 130);
  const ARGB outer = Translucent(GlowColor, 0);
  FillGradient(Graphics, L - 8, T, L, B, outer, inner, LinearGradientModeHorizontal);
  FillGradient(Graphics, Rt - 1, T, Rt + 8, B, inner, outer, LinearGradientModeHorizontal);
  FillGradient(Graphics, L, T - 8, Rt, T, outer, inner, LinearGradientModeVertical);
  FillGradient(Graphics, L, B - 1, Rt, B + 7, inner, outer, LinearGradientModeVertical);
  // A backward diagonal runs from the top-right corner to the bottom-left, a forward one from the
  // top-left to the bottom-right; the first colour is at the start.
  FillGradient(Graphics, L - 6, B - 1, L, B + 5, inner, outer, LinearGradientModeBackwardDiagonal);
  FillGradient(Graphics, Rt, B, Rt + 5, B + 5, inner, outer, LinearGradientModeForwardDiagonal);
  FillGradient(Graphics, L - 6, T - 6, L, T, outer, inner, LinearGradientModeForwardDiagonal);
  FillGradient(Graphics, Rt, T - 6, Rt + 5, T, outer, inner, LinearGradientModeBackwardDiagonal);
}

}  // namespace

void PaintGlowKey(fw::TCanvas* Canvas, const fw::TRect& R, fw::TColor BorderColor, fw::TColor ShineColor,
                  fw::TColor GlowColor, fw::TColor ColorTo, fw::TColor Color, fw::TColor FrameColor) {
  if (Canvas == nullptr) return;
  TGPGraphics graphics(Canvas->Handle());
  graphics.SetSmoothingMode(SmoothingModeAntiAlias);
  const int L = R.Left, T = R.Top, Rt = R.Right, B = R.Bottom;
  const int W = Rt - L;
  const int M = T + (B - T) / 2;
  const float fl = static_cast<float>(L);

  // The lower half's gradient is laid over one pixel more than it fills, so its end colour reaches the edge.
  if (W - 1 > 0 && B - M - 1 > 0) {
    TGPLinearGradientBrush lower(MakeRect(fl, static_cast<float>(M), static_cast<float>(W - 1), static_cast<float>(B - M)),
                                 ColorToARGB(Color), ColorToARGB(ColorTo), LinearGradientModeVertical);
    graphics.FillRectangleXYWH(&lower, fl, static_cast<float>(M), static_cast<float>(W - 1),
                               static_cast<float>(B - M - 1));
  }
  if (W - 1 > 0 && M - T > 0) {
    const GpRectF upper = MakeRect(fl, static_cast<float>(T), static_cast<float>(W - 1), static_cast<float>(M - T));
    TGPSolidBrush face(ColorToARGB(Color));
    graphics.FillRectangle(&face, upper);
    TGPLinearGradientBrush shine(upper, Translucent(ShineColor, 160), Translucent(ShineColor, 90),
                                 LinearGradientModeVertical);
    graphics.FillRectangle(&shine, upper);
  }
  TGPPen white(MakeColor(255, 255, 255, 255));
  graphics.DrawLine(&white, fl, static_cast<float>(T + 1), static_cast<float>(Rt), static_cast<float>(T + 1));
  TGPPen frame(ColorToARGB(FrameColor));
  graphics.DrawLine(&frame, fl + 1, static_cast<float>(T + 2), fl + 1, static_cast<float>(B - 2));
  graphics.DrawLine(&frame, fl + 1, static_cast<float>(B - 2), static_cast<float>(Rt - 1), static_cast<float>(B - 2));
  graphics.DrawLine(&frame, static_cast<float>(Rt - 1), static_cast<float>(B - 2), static_cast<float>(Rt - 1),
                    static_cast<float>(T + 1));
  TGPPen border(ColorToARGB(BorderColor));
  graphics.DrawRectangleXYWH(&border, fl, static_cast<float>(T), static_cast<float>(W), static_cast<float>(B - T - 1));
  if (GlowColor != fw::clNone) PaintGlow(graphics, R, GlowColor);
}

}  // namespace ui::dropdown
