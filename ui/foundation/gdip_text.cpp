// The text routines of the GDI+ surface: fonts from framework fonts, and drawing and measuring one run.
#include <windows.h>

#include <algorithm>

#include "framework/rtl/arith.h"
#include "ui/foundation/gdip_graphics.h"

namespace ui {

namespace {

bool Found(const TGPFontFamily& family) { return family.GetLastStatus() == Ok; }

// The face of the system's message font: what dialogs and captions are written in.
std::string MessageFontFace() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return {};
  return metrics.lfMessageFont.lfFaceName;
}

}  // namespace

std::unique_ptr<TGPFontFamily> CreateGPFontFamily(const std::string& Face, bool FallBackToArial) {
  auto family = std::make_unique<TGPFontFamily>(AnsiToWide(Face));
  if (Found(*family)) return family;
  if (FallBackToArial) {
    family = std::make_unique<TGPFontFamily>(L"Arial");
    if (Found(*family)) return family;
  }
  // GDI never loses text to a missing face; neither does this: the system's UI font, GDI+'s own
  // sans-serif family, and at last whatever family is installed.
  const std::string system = MessageFontFace();
  if (!system.empty()) {
    family = std::make_unique<TGPFontFamily>(AnsiToWide(system));
    if (Found(*family)) return family;
  }
  family = TGPFontFamily::GenericSansSerif();
  if (Found(*family)) return family;
  return TGPFontFamily::FirstInstalled();
}

std::unique_ptr<TGPFont> CreateGPFont(fw::TFont* Font, bool FallBackToArial) {
  const std::unique_ptr<TGPFontFamily> family = CreateGPFontFamily(Font->Name(), FallBackToArial);
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
