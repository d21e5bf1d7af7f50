#pragma once
// Shades of one face colour: RGB and HSV conversions and lightening, and the outlines of the glass look
// (a face divided by a circular bulge).
#include <memory>

#include "framework/graphics/colors.h"
#include "framework/graphics/geometry.h"
#include "framework/rtl/exceptions.h"
#include "ui/foundation/gdip_objects.h"

namespace ui {

class EColorError : public fw::Exception {
 public:
  using Exception::Exception;
};

// Channels 0-255; H in degrees (0 to below 360, NaN when undefined, that is for S = 0), S a fraction, V
// on the channels' scale.
void RGBToHSV(double R, double G, double B, double& H, double& S, double& V);
// Raises EColorError when S is 0 but H is defined.
void HSVToRGB(double H, double S, double V, double& R, double& G, double& B);

// Adds Amount to each channel (system colours resolved first), clamped to 0-255; a negative Amount darkens.
fw::TColor LightenColor(fw::TColor Color, int Amount);

// Shades per channel (system colours resolved first): a non-zero channel c becomes
// round(min(100, 100 + Percent) / 100 * c), a zero channel becomes Percent kept to 0-255. Negative
// percentages darken; positive ones leave non-zero channels as they are.
fw::TColor ShadeChannels(fw::TColor Color, int PercentR, int PercentG, int PercentB);
// Each channel round(p * c1 + (1 - p) * c2) with p = Percent / 100 (system colours resolved first), at
// most 255; Percent is taken as it is, so callers decide what 0 % and 100 % and clNone mean.
fw::TColor BlendChannels(fw::TColor Color1, fw::TColor Color2, int Percent);

// The glass face above a bulge of depth Bulge that hangs down to R's bottom, with its top corners rounded
// by Radius, and the part below the bulge reflected downwards by R's height. A Bulge of 0 (or less) gives
// empty paths.
std::unique_ptr<TGPGraphicsPath> CreateGlassTopPath(const fw::TRect& R, int Radius, int Bulge);
std::unique_ptr<TGPGraphicsPath> CreateGlassBottomPath(const fw::TRect& R, int Radius, int Bulge);

}  // namespace ui
