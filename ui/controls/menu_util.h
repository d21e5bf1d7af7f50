#pragma once
// Geometry and colour utilities of the styled menus, the rotated font of the side-bar caption, and the
// error of the appearance objects' indexed colour accessors.
#include <windows.h>

#include <cstdint>

#include "framework/graphics/colors.h"
#include "framework/graphics/font.h"
#include "framework/graphics/gdi_handles.h"
#include "framework/graphics/geometry.h"
#include "framework/rtl/exceptions.h"

namespace fw {
class TBitmap;
}

namespace ui {

// An indexed colour accessor was given an index outside its range: "Invalid property index %d.".
class EInvalidPropertyIndex : public fw::Exception {
 public:
  explicit EInvalidPropertyIndex(int Index);
};

// An RGB colour of the menus' palette.
constexpr fw::TColor MenuRGB(int r, int g, int b) { return static_cast<fw::TColor>(r | (g << 8) | (b << 16)); }

// Replaces R by a rectangle of w x h centred in it (integer halves towards zero).
void CenterRect(fw::TRect& R, int w, int h);
// (0, 0, width, height) of the bitmap; an empty rectangle for none.
fw::TRect BitmapBounds(fw::TBitmap* Bitmap);

struct RGBParts {
  int r;
  int g;
  int b;
};
// The red, green and blue bytes of the colour, system colours resolved.
RGBParts ColorToRGBParts(fw::TColor Color);

// A GDI font like Font, turned Angle degrees counter-clockwise.
fw::GdiObject<HFONT> CreateRotatedFont(fw::TFont* Font, int Angle);

}  // namespace ui
