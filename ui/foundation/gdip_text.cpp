// The text routines of the GDI+ surface: fonts from framework fonts, and drawing and measuring one run.
#include <algorithm>

#include "framework/rtl/arith.h"
#include "ui/foundation/gdip_graphics.h"

namespace ui {

std::unique_ptr<TGPFont> CreateGPFont(fw::TFont* Font, bool FallBackToArial) {
  auto family = std::make_unique<TGPFontFamily>(AnsiToWide(Font->Name()));
  const GpStatus status = family->GetLastStatus();
  if (FallBackToArial && (status == FontFamilyNotFound || status == FontStyleNotFound)) {
    family = std::make_unique<TGPFontFamily>(L"Arial");
  }
  int style = FontStyleRegular;
  if (Font->Style().Contains(fw::fsBold)) style |= FontStyleBold;
  if (Font->Style().Contains(fw::fsItalic)) style |= FontStyleItalic;
  if (Font->Style().Contains(fw::fsUnderline)) style |= FontStyleUnderline;
  return std::make_unique<TGPFont>(family.get(), static_cast<float>(Font->Size()), style, UnitPoint);
}

std::unique_ptr<TGPFont> TGPGraphics::MakeFont(fw::TFont* Font) { return CreateGPFont(Font, true); }

int TGPGraphics::DrawText(const std::string& Text, int Length, fw::TRect& Rect, fw::TFont* Font, int Flags,
                          fw::TColor BackColor) {
  const std::unique_ptr<TGPFont> font = MakeFont(Font);
  const bool measureOnly = (Flags & DT_CALCRECT) != 0;
  if (measureOnly || BackColor != fw::clNone) {
    float adjust = 2;
    if (Font->Size() > 8) adjust = 2 + static_cast<float>(fw::Round((Font->Size() - 8) / 1.5));
    // A trailing blank takes no room in GDI+'s measure; an "i" in its place does.
    std::string copy = Text;
    if (copy.size() > 1 && copy.back() == ' ') copy.back() = 'i';
    const std::wstring wide = AnsiToWide(copy);
    const int length = (Length < 0 || Length > static_cast<int>(wide.size())) ? static_cast<int>(wide.size()) : Length;
    GpRectF box;
    MeasureStringSimple(wide, length, font.get(),
                        MakeRect(static_cast<float>(Rect.Left), static_cast<float>(Rect.Top),
                                 static_cast<float>(Rect.Right - Rect.Left + 1000),
                                 static_cast<float>(Rect.Bottom - Rect.Top)),
                        box);
    Rect.Right = Rect.Left + static_cast<int>(fw::Round(box.Width - adjust));
    Rect.Bottom = Rect.Top + static_cast<int>(fw::Round(box.Height));
    if (BackColor != fw::clNone) {
      TGPSolidBrush back(ColorToARGB(BackColor));
      FillRectangleXYWH(&back, static_cast<float>(Rect.Left + 1), static_cast<float>(Rect.Top),
                        box.Width - adjust + 1, box.Height);
    }
  }
  if (!measureOnly) {
    TGPSolidBrush ink(ColorToARGB(Font->Color()));
    DrawStringAtPointNoFormat(AnsiToWide(Text), static_cast<int>(Text.size()), font.get(),
                              MakePointF(static_cast<float>(Rect.Left), static_cast<float>(Rect.Top)), &ink);
  }
  return Rect.Bottom - Rect.Top;
}

int TGPGraphics::TextHeight(const std::string& Text, fw::TFont* Font) {
  const std::unique_ptr<TGPFont> font = MakeFont(Font);
  const std::wstring wide = AnsiToWide(Text);
  GpRectF box;
  MeasureStringSimple(wide, static_cast<int>(wide.size()), font.get(), MakeRect(0, 0, 10000, 10000), box);
  return static_cast<int>(fw::Round(box.Height));
}

}  // namespace ui
