#include "ui/controls/menu_util.h"

#include <algorithm>
#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/rtl/format.h"

namespace ui {

EInvalidPropertyIndex::EInvalidPropertyIndex(int Index)
    : fw::Exception(fw::Format("Invalid property index %d.", Index)) {}

void CenterRect(fw::TRect& R, int w, int h) {
  R.Right = (R.Left + R.Right + w) / 2;
  R.Left = R.Right - w;
  R.Bottom = (R.Top + R.Bottom + h) / 2;
  R.Top = R.Bottom - h;
}

fw::TRect BitmapBounds(fw::TBitmap* Bitmap) {
  if (Bitmap == nullptr) return fw::Rect(0, 0, 0, 0);
  return fw::Rect(0, 0, Bitmap->Width(), Bitmap->Height());
}

RGBParts ColorToRGBParts(fw::TColor Color) {
  const COLORREF rgb = fw::ColorToRGB(Color);
  return RGBParts{GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
}

fw::GdiObject<HFONT> CreateRotatedFont(fw::TFont* Font, int Angle) {
  LOGFONTA log{};
  log.lfHeight = Font->Height();
  log.lfWidth = 0;
  log.lfEscapement = Angle * 10;
  log.lfOrientation = 0;
  const fw::TFontStyles style = Font->Style();
  log.lfWeight = style.Contains(fw::fsBold) ? FW_BOLD : FW_NORMAL;
  log.lfItalic = style.Contains(fw::fsItalic) ? 1 : 0;
  log.lfUnderline = style.Contains(fw::fsUnderline) ? 1 : 0;
  log.lfStrikeOut = style.Contains(fw::fsStrikeOut) ? 1 : 0;
  log.lfCharSet = DEFAULT_CHARSET;
  const std::string& name = Font->Name();
  std::copy_n(name.begin(), std::min(name.size(), sizeof(log.lfFaceName) - 1), log.lfFaceName);
  log.lfPitchAndFamily = Font->Pitch() == fw::fpVariable ? VARIABLE_PITCH
                         : Font->Pitch() == fw::fpFixed  ? FIXED_PITCH
                                                         : DEFAULT_PITCH;
  return fw::GdiObject<HFONT>(CreateFontIndirectA(&log));
}

}  // namespace ui
