#include "ui/foundation/color_conversions.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "framework/rtl/arith.h"
#include "ui/foundation/round_to_int.h"

namespace ui {

void RGBToHSV(double R, double G, double B, double& H, double& S, double& V) {
  V = std::max({R, G, B});
  const double d = V - std::min({R, G, B});
  S = V != 0 ? d / V : 0;
  if (S == 0) {
    H = std::numeric_limits<double>::quiet_NaN();
    return;
  }
  if (R == V) {
    H = (G - B) * 60 / d;
  } else if (G == V) {
    H = 120 + (B - R) * 60 / d;
  } else {
    H = 240 + (R - G) * 60 / d;
  }
  if (H < 0) H += 360;
}

void HSVToRGB(double H, double S, double V, double& R, double& G, double& B) {
  if (S == 0) {
    if (!std::isnan(H)) throw EColorError("HSVtoRGB: S = 0 and H has a value");
    R = G = B = V;
    return;
  }
  if (H == 360) H = 0;
  const double sector = H / 60;
  const int i = std::isfinite(sector) ? static_cast<int>(std::trunc(sector)) : -1;
  const double f = sector - i;
  const double p = V * (1 - S);
  const double q = V * (1 - S * f);
  const double t = V * (1 - S * (1 - f));
  switch (i) {
    case 0: R = V; G = t; B = p; break;
    case 1: R = q; G = V; B = p; break;
    case 2: R = p; G = V; B = t; break;
    case 3: R = p; G = q; B = V; break;
    case 4: R = t; G = p; B = V; break;
    case 5: R = V; G = p; B = q; break;
    default: break;  // a hue outside 0-360 leaves the outputs as they were
  }
}

fw::TColor LightenColor(fw::TColor Color, int Amount) {
  const COLORREF rgb = fw::ColorToRGB(Color);
  auto channel = [Amount](int value) { return std::clamp(value + Amount, 0, 255); };
  return static_cast<fw::TColor>(RGB(channel(GetRValue(rgb)), channel(GetGValue(rgb)), channel(GetBValue(rgb))));
}

namespace {

int Channel(COLORREF rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }

int ShadeChannel(int c, int percent) {
  if (c == 0) return std::clamp(percent, 0, 255);
  const double factor = std::min(100, 100 + percent) / 100.0;
  return std::clamp(RoundToInt(factor * c), 0, 255);
}

fw::TColor FromChannels(int r, int g, int b) { return static_cast<fw::TColor>(r | (g << 8) | (b << 16)); }

}  // namespace

fw::TColor ShadeChannels(fw::TColor Color, int PercentR, int PercentG, int PercentB) {
  const COLORREF rgb = fw::ColorToRGB(Color);
  return FromChannels(ShadeChannel(Channel(rgb, 0), PercentR), ShadeChannel(Channel(rgb, 8), PercentG),
                      ShadeChannel(Channel(rgb, 16), PercentB));
}

fw::TColor BlendChannels(fw::TColor Color1, fw::TColor Color2, int Percent) {
  const COLORREF c1 = fw::ColorToRGB(Color1);
  const COLORREF c2 = fw::ColorToRGB(Color2);
  const double p = Percent / 100.0;
  auto mix = [&](int shift) {
    const double value = p * Channel(c1, shift) + (1.0 - p) * Channel(c2, shift);
    return std::clamp(RoundToInt(value), 0, 255);
  };
  return FromChannels(mix(0), mix(8), mix(16));
}

namespace {

// The circle through the points Bulge above R's bottom at both sides and through the middle of R's bottom.
// Start and Sweep run from the left point through the lowest to the right point; Reversed() runs back.
struct Bulge {
  float Left, Top, Size;  // bounding square
  float Start, Sweep;
  Bulge Reversed() const { return Bulge{Left, Top, Size, Start + Sweep, -Sweep}; }
};

Bulge BulgeArc(const fw::TRect& R, int b) {
  const int w = R.Right - R.Left;
  const double half = w / 2.0;
  // A bulge deeper than half the width would give a circle smaller than the bulge and a negative angle:
  // the radius is at least the bulge.
  const int r = std::max(static_cast<int>(fw::Round((half * half + double(b) * b) / (2.0 * b))), b);
  Bulge arc;
  arc.Left = static_cast<float>(R.Left + w / 2 - r);
  arc.Top = static_cast<float>(R.Bottom - 2 * r);
  arc.Size = static_cast<float>(2 * r);
  if (r == b) {
    arc.Start = 180;
    arc.Sweep = -180;
  } else {
    const float a = static_cast<float>(std::atan(half / (r - b)) * 180.0 / 3.14159265358979323846);
    arc.Start = 90 + a;
    arc.Sweep = -2 * a;
  }
  return arc;
}

}  // namespace

std::unique_ptr<TGPGraphicsPath> CreateGlassTopPath(const fw::TRect& R, int Radius, int Bulge) {
  auto path = std::make_unique<TGPGraphicsPath>(FillModeAlternate);
  if (Bulge <= 0) return path;
  // The outline comes down the right side, so the bulge runs from right to left.
  const auto arc = BulgeArc(R, Bulge).Reversed();
  const float left = static_cast<float>(R.Left), top = static_cast<float>(R.Top);
  const float right = static_cast<float>(R.Right), bottom = static_cast<float>(R.Bottom);
  const float r = static_cast<float>(Radius), d = 2 * r, b = static_cast<float>(Bulge);
  path->AddArc(left, top, d, d, 180, 90);
  path->AddLine(left + r, top, right - r, top);
  path->AddArc(right - d, top, d, d, 270, 90);
  path->AddLine(right, top + r, right, bottom - b);
  path->AddArc(arc.Left, arc.Top, arc.Size, arc.Size, arc.Start, arc.Sweep);
  path->AddLine(left, bottom - b, left, top + r);
  path->CloseFigure();
  return path;
}

std::unique_ptr<TGPGraphicsPath> CreateGlassBottomPath(const fw::TRect& R, int Radius, int Bulge) {
  auto path = std::make_unique<TGPGraphicsPath>(FillModeAlternate);
  if (Bulge <= 0) return path;
  const auto arc = BulgeArc(R, Bulge);
  const float left = static_cast<float>(R.Left);
  const float right = static_cast<float>(R.Right), bottom = static_cast<float>(R.Bottom);
  const float r = static_cast<float>(Radius), d = 2 * r, b = static_cast<float>(Bulge);
  const float b2 = static_cast<float>(2 * R.Bottom - R.Top);
  path->AddArc(arc.Left, arc.Top, arc.Size, arc.Size, arc.Start, arc.Sweep);
  path->AddLine(right, bottom - b, right, b2 - r);
  path->AddArc(right - d, b2 - d, d, d, 0, 90);
  path->AddLine(right - r, b2, left + r, b2);
  path->AddArc(left, b2 - d, d, d, 90, 90);
  path->AddLine(left, b2 - r, left, bottom - b);
  path->CloseFigure();
  return path;
}

}  // namespace ui
