#pragma once
// A GDI+ drawing surface over a device context or an image, with the text routines that draw and measure
// in a framework font.
#include <memory>
#include <string>
#include <string_view>

#include "framework/graphics/colors.h"
#include "framework/graphics/font.h"
#include "framework/graphics/geometry.h"
#include "ui/foundation/gdip_brushes.h"
#include "ui/foundation/gdip_image.h"
#include "ui/foundation/gdip_objects.h"

namespace ui {

class TGPGraphics : public TGPNativeObject<flat::GpGraphics> {
 public:
  explicit TGPGraphics(HDC DC);
  // A surface on the image; no image gives a surface without handle on which every call fails.
  explicit TGPGraphics(TGPImage* Image);
  ~TGPGraphics() override;

  HDC GetHDC();
  void ReleaseHDC(HDC DC);

  GpStatus SetTextRenderingHint(TextRenderingHint Hint);
  // -1 when GDI+ gives no mode.
  int GetSmoothingMode();
  GpStatus SetSmoothingMode(SmoothingMode Mode);
  GpStatus SetClip(TGPRegion* Region, CombineMode Mode = CombineModeReplace);
  GpStatus ResetClip();

  GpStatus DrawPath(TGPPen* Pen, TGPGraphicsPath* Path);
  GpStatus FillPath(TGPBrush* Brush, TGPGraphicsPath* Path);
  GpStatus FillRectangle(TGPBrush* Brush, const GpRectF& Rect) {
    return FillRectangleXYWH(Brush, Rect.X, Rect.Y, Rect.Width, Rect.Height);
  }
  GpStatus FillRectangleXYWH(TGPBrush* Brush, float X, float Y, float Width, float Height);
  GpStatus DrawRectangle(TGPPen* Pen, const GpRectF& Rect) {
    return DrawRectangleXYWH(Pen, Rect.X, Rect.Y, Rect.Width, Rect.Height);
  }
  GpStatus DrawRectangleXYWH(TGPPen* Pen, float X, float Y, float Width, float Height);
  GpStatus DrawLine(TGPPen* Pen, float X1, float Y1, float X2, float Y2);
  GpStatus DrawEllipse(TGPPen* Pen, float X, float Y, float Width, float Height);
  GpStatus FillEllipse(TGPBrush* Brush, float X, float Y, float Width, float Height);
  GpStatus FillEllipseI(TGPBrush* Brush, int X, int Y, int Width, int Height);

  // At natural size.
  GpStatus DrawImage(TGPImage* Image, int X, int Y);
  GpStatus DrawImageRect(TGPImage* Image, int X, int Y, int Width, int Height);
  GpStatus DrawImageRectRect(TGPImage* Image, const GpRectF& Dest, float SrcX, float SrcY, float SrcWidth,
                             float SrcHeight, GpUnit SrcUnit, TGPImageAttributes* Attributes = nullptr,
                             flat::DrawImageAbort Callback = nullptr, void* CallbackData = nullptr);

  GpStatus MeasureString(const std::wstring& Text, int Length, TGPFont* Font, const GpRectF& LayoutRect,
                         TGPStringFormat* Format, GpRectF& BoundingBox, int& CodepointsFitted, int& LinesFilled);
  GpStatus MeasureStringSimple(const std::wstring& Text, int Length, TGPFont* Font, const GpRectF& LayoutRect,
                               GpRectF& BoundingBox);
  // The whole text in the layout rectangle (Length is not used); 8-bit text goes through the ANSI code page.
  GpStatus DrawAnsiString(const std::string& Text, int Length, TGPFont* Font, const GpRectF& LayoutRect,
                          TGPStringFormat* Format, TGPBrush* Brush);
  GpStatus DrawString(const std::wstring& Text, int Length, TGPFont* Font, const GpRectF& LayoutRect,
                      TGPStringFormat* Format, TGPBrush* Brush);
  // The whole text from Origin on, without a layout size.
  GpStatus DrawStringAtPoint(const std::wstring& Text, int Length, TGPFont* Font, const GpPointF& Origin,
                             TGPStringFormat* Format, TGPBrush* Brush);
  GpStatus DrawStringAtPointNoFormat(const std::wstring& Text, int Length, TGPFont* Font, const GpPointF& Origin,
                                     TGPBrush* Brush);

  // A GDI+ font for a framework font: its face (or "Arial", or the fallbacks of CreateGPFontFamily, when
  // GDI+ does not know the face), point size, bold, italic and underline (never strike-out).
  std::unique_ptr<TGPFont> MakeFont(fw::TFont* Font);
  // Draws one run of text at Rect's top-left in Font's colour, or with DT_CALCRECT only measures it and
  // sets Rect's right and bottom; a BackColor other than clNone fills the text's box first. Answers the
  // height of Rect.
  int DrawText(const std::string& Text, int Length, fw::TRect& Rect, fw::TFont* Font, int Flags,
               fw::TColor BackColor);
  int TextHeight(const std::string& Text, fw::TFont* Font);
};

// A GDI+ family for a face. A face GDI+ does not know becomes "Arial" when FallBackToArial asks for it, else
// (or when Arial is missing too) the system's message font, GDI+'s generic sans-serif family or the first
// installed family, so that text is drawn whenever any font is installed.
std::unique_ptr<TGPFontFamily> CreateGPFontFamily(const std::string& Face, bool FallBackToArial);

// A GDI+ font for a framework font (face, point size, bold, italic, underline; never strike-out), its
// family found as CreateGPFontFamily does.
std::unique_ptr<TGPFont> CreateGPFont(fw::TFont* Font, bool FallBackToArial);

// 8-bit text as the ANSI code page reads it.
std::wstring AnsiToWide(std::string_view Text);

}  // namespace ui
