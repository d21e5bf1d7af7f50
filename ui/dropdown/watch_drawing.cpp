#include "ui/dropdown/watch_drawing.h"

#include "framework/graphics/gdi_handles.h"
#include "framework/streams/memory_stream.h"
#include "ui/foundation/encoded_picture.h"
#include "ui/foundation/fill_types.h"
#include "ui/foundation/round_rect_path.h"

namespace ui {

namespace {

GpRectF ToRectF(const fw::TRect& R) {
  return MakeRect(static_cast<float>(R.Left), static_cast<float>(R.Top), static_cast<float>(R.Width()),
                  static_cast<float>(R.Height()));
}

}  // namespace

void DrawWatchText(fw::TCanvas* Canvas, TGPGraphics* Graphics, const std::string& Text, fw::TFont* Font,
                   const fw::TRect& R) {
  std::unique_ptr<TGPGraphics> own;
  if (Graphics == nullptr) {
    own = std::make_unique<TGPGraphics>(Canvas->Handle());
    Graphics = own.get();
  }
  const std::unique_ptr<TGPFont> font = CreateGPFont(Font, true);
  Graphics->SetSmoothingMode(SmoothingModeAntiAlias);
  Graphics->SetTextRenderingHint(TextRenderingHintAntiAlias);
  TGPStringFormat format(0, LANG_NEUTRAL);
  format.SetAlignment(StringAlignmentCenter);
  format.SetLineAlignment(StringAlignmentNear);
  format.SetHotkeyPrefix(HotkeyPrefixShow);
  format.SetTrimming(StringTrimmingNone);
  TGPSolidBrush brush(ColorToARGB(Font->Color()));
  Graphics->DrawAnsiString(Text, -1, font.get(), ToRectF(R), &format, &brush);
}

void DrawWatchPicture(TGPGraphics* Graphics, const GpRectF& R, fw::TGraphic* Graphic) {
  fw::TMemoryStream bytes;
  Graphic->SaveToStream(&bytes);
  TDecodedImage decoded(bytes);
  if (!decoded.Decoded()) return;
  TGPImage& image = decoded.Image();
  if (image.GetFormat() == ifPNG) {
    Graphics->DrawImage(&image, static_cast<int>(R.X), static_cast<int>(R.Y));
    return;
  }
  ARGB corner = 0;
  if (const std::unique_ptr<TGPBitmap> pixels = decoded.MakeBitmap()) pixels->GetPixel(0, 0, corner);
  TGPImageAttributes attributes;
  attributes.SetColorKey(corner, corner);
  Graphics->DrawImageRectRect(&image, R, 0, 0, static_cast<float>(image.GetWidth()),
                              static_cast<float>(image.GetHeight()), UnitPixel, &attributes);
}

std::unique_ptr<TGPGraphicsPath> CreateRoundedRectPath(const GpRectF& R, int Radius) {
  return CreateRoundRectPath(R, Radius, rtBoth);
}

std::unique_ptr<TGPGraphicsPath> CreateRectPath(const GpRectF& R) { return CreateRoundRectPath(R, 0, rtNone); }

void FillRoundedRect(TGPGraphics* Graphics, TGPBrush* Brush, float X, float Y, float W, float H, int Radius) {
  const std::unique_ptr<TGPGraphicsPath> path = CreateRoundedRectPath(MakeRect(X, Y, W, H), Radius);
  Graphics->FillPath(Brush, path.get());
}

void DrawRoundedRect(TGPGraphics* Graphics, TGPPen* Pen, float X, float Y, float W, float H, int Radius) {
  const std::unique_ptr<TGPGraphicsPath> path = CreateRoundedRectPath(MakeRect(X, Y, W, H), Radius);
  Graphics->DrawPath(Pen, path.get());
}

bool PointInFaceEllipse(fw::TPoint P, int Left, int Top, int Right, int Bottom) {
  const fw::GdiObject<HRGN> region(CreateEllipticRgn(Left, Top, Right, Bottom));
  return region.Get() != nullptr && PtInRegion(region.Get(), P.X, P.Y) != FALSE;
}

}  // namespace ui
