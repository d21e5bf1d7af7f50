#include "ui/foundation/gdip_graphics.h"

namespace ui {

using namespace flat;

std::wstring AnsiToWide(std::string_view Text) {
  if (Text.empty()) return std::wstring();
  const int size = static_cast<int>(Text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, Text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, Text.data(), size, wide.data(), length);
  return wide;
}

TGPGraphics::TGPGraphics(HDC DC) { SetCreationStatus(GdipCreateFromHDC(DC, &native_)); }

TGPGraphics::TGPGraphics(TGPImage* Image) {
  if (Image != nullptr) SetCreationStatus(GdipGetImageGraphicsContext(Image->NativeHandle(), &native_));
}

TGPGraphics::~TGPGraphics() { GdipDeleteGraphics(native_); }

HDC TGPGraphics::GetHDC() {
  HDC dc = nullptr;
  SetStatus(GdipGetDC(native_, &dc));
  return dc;
}

void TGPGraphics::ReleaseHDC(HDC DC) { SetStatus(GdipReleaseDC(native_, DC)); }

GpStatus TGPGraphics::SetTextRenderingHint(TextRenderingHint Hint) {
  return SetStatus(GdipSetTextRenderingHint(native_, Hint));
}

int TGPGraphics::GetSmoothingMode() {
  int mode = -1;
  SetStatus(GdipGetSmoothingMode(native_, &mode));
  return mode;
}

GpStatus TGPGraphics::SetSmoothingMode(SmoothingMode Mode) { return SetStatus(GdipSetSmoothingMode(native_, Mode)); }

GpStatus TGPGraphics::SetClip(TGPRegion* Region, CombineMode Mode) {
  return SetStatus(GdipSetClipRegion(native_, NativeOf(Region), Mode));
}

GpStatus TGPGraphics::ResetClip() { return SetStatus(GdipResetClip(native_)); }

GpStatus TGPGraphics::DrawPath(TGPPen* Pen, TGPGraphicsPath* Path) {
  return SetStatus(GdipDrawPath(native_, NativeOf(Pen), NativeOf(Path)));
}

GpStatus TGPGraphics::FillPath(TGPBrush* Brush, TGPGraphicsPath* Path) {
  return SetStatus(GdipFillPath(native_, NativeOf(Brush), NativeOf(Path)));
}

GpStatus TGPGraphics::FillRectangleXYWH(TGPBrush* Brush, float X, float Y, float Width, float Height) {
  return SetStatus(GdipFillRectangle(native_, NativeOf(Brush), X, Y, Width, Height));
}

GpStatus TGPGraphics::DrawRectangleXYWH(TGPPen* Pen, float X, float Y, float Width, float Height) {
  return SetStatus(GdipDrawRectangle(native_, NativeOf(Pen), X, Y, Width, Height));
}

GpStatus TGPGraphics::DrawLine(TGPPen* Pen, float X1, float Y1, float X2, float Y2) {
  return SetStatus(GdipDrawLine(native_, NativeOf(Pen), X1, Y1, X2, Y2));
}

GpStatus TGPGraphics::DrawEllipse(TGPPen* Pen, float X, float Y, float Width, float Height) {
  return SetStatus(GdipDrawEllipse(native_, NativeOf(Pen), X, Y, Width, Height));
}

GpStatus TGPGraphics::FillEllipse(TGPBrush* Brush, float X, float Y, float Width, float Height) {
  return SetStatus(GdipFillEllipse(native_, NativeOf(Brush), X, Y, Width, Height));
}

GpStatus TGPGraphics::FillEllipseI(TGPBrush* Brush, int X, int Y, int Width, int Height) {
  return SetStatus(GdipFillEllipseI(native_, NativeOf(Brush), X, Y, Width, Height));
}

GpStatus TGPGraphics::DrawImage(TGPImage* Image, int X, int Y) {
  return SetStatus(GdipDrawImageI(native_, NativeOf(Image), X, Y));
}

GpStatus TGPGraphics::DrawImageRect(TGPImage* Image, int X, int Y, int Width, int Height) {
  return SetStatus(GdipDrawImageRect(native_, NativeOf(Image), static_cast<float>(X), static_cast<float>(Y),
                                     static_cast<float>(Width), static_cast<float>(Height)));
}

GpStatus TGPGraphics::DrawImageRectRect(TGPImage* Image, const GpRectF& Dest, float SrcX, float SrcY, float SrcWidth,
                                        float SrcHeight, GpUnit SrcUnit, TGPImageAttributes* Attributes,
                                        DrawImageAbort Callback, void* CallbackData) {
  return SetStatus(GdipDrawImageRectRect(native_, NativeOf(Image), Dest.X, Dest.Y, Dest.Width, Dest.Height, SrcX,
                                         SrcY, SrcWidth, SrcHeight, SrcUnit, NativeOf(Attributes), Callback,
                                         CallbackData));
}

GpStatus TGPGraphics::MeasureString(const std::wstring& Text, int Length, TGPFont* Font, const GpRectF& LayoutRect,
                                    TGPStringFormat* Format, GpRectF& BoundingBox, int& CodepointsFitted,
                                    int& LinesFilled) {
  return SetStatus(GdipMeasureString(native_, Text.c_str(), Length, NativeOf(Font), &LayoutRect, NativeOf(Format),
                                     &BoundingBox, &CodepointsFitted, &LinesFilled));
}

GpStatus TGPGraphics::MeasureStringSimple(const std::wstring& Text, int Length, TGPFont* Font,
                                          const GpRectF& LayoutRect, GpRectF& BoundingBox) {
  return SetStatus(GdipMeasureString(native_, Text.c_str(), Length, NativeOf(Font), &LayoutRect, nullptr,
                                     &BoundingBox, nullptr, nullptr));
}

GpStatus TGPGraphics::DrawAnsiString(const std::string& Text, int /*Length*/, TGPFont* Font,
                                     const GpRectF& LayoutRect, TGPStringFormat* Format, TGPBrush* Brush) {
  // The wide text's own length: a multi-byte code page makes it shorter than the 8-bit text.
  const std::wstring wide = AnsiToWide(Text);
  return SetStatus(GdipDrawString(native_, wide.c_str(), static_cast<int>(wide.size()), NativeOf(Font), &LayoutRect,
                                  NativeOf(Format), NativeOf(Brush)));
}

GpStatus TGPGraphics::DrawString(const std::wstring& Text, int /*Length*/, TGPFont* Font, const GpRectF& LayoutRect,
                                 TGPStringFormat* Format, TGPBrush* Brush) {
  return SetStatus(GdipDrawString(native_, Text.c_str(), static_cast<int>(Text.size()), NativeOf(Font), &LayoutRect,
                                  NativeOf(Format), NativeOf(Brush)));
}

GpStatus TGPGraphics::DrawStringAtPoint(const std::wstring& Text, int Length, TGPFont* Font, const GpPointF& Origin,
                                        TGPStringFormat* Format, TGPBrush* Brush) {
  return DrawString(Text, Length, Font, MakeRect(Origin.X, Origin.Y, 0, 0), Format, Brush);
}

GpStatus TGPGraphics::DrawStringAtPointNoFormat(const std::wstring& Text, int Length, TGPFont* Font,
                                                const GpPointF& Origin, TGPBrush* Brush) {
  return DrawString(Text, Length, Font, MakeRect(Origin.X, Origin.Y, 0, 0), nullptr, Brush);
}

}  // namespace ui
