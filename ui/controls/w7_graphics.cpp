#include "ui/controls/w7_graphics.h"

#include "framework/rtl/arith.h"
#include "ui/foundation/draw_utils.h"

namespace ui {

namespace {

// A colour written as 0xBBGGRR.
constexpr fw::TColor C(std::uint32_t bgr) { return static_cast<fw::TColor>(bgr); }

void Pixels(fw::TCanvas* canvas, fw::TColor color, std::initializer_list<fw::TPoint> points) {
  for (const fw::TPoint& p : points) canvas->SetPixels(p.X, p.Y, color);
}

// The bottom glow of a look: n rows ending 3 rows above the bottom, each graded from the edge colour to the
// centre colour and back, themselves graded down from the base colour.
void GlowRows(fw::TCanvas* canvas, int W, int H, int n, int L, int R, fw::TColor base, fw::TColor edge,
              fw::TColor centre) {
  fw::TBitmap strip;
  strip.SetSize(3, n);
  strip.SetPixelFormat(fw::pf24bit);
  const fw::TColor ends[3] = {edge, centre, edge};
  for (int c = 0; c < 3; ++c) GradientFillRect(strip.Canvas(), base, ends[c], fw::Rect(c, 0, c + 1, n), 1);
  for (int i = 0; i < n; ++i) {
    const int y = H + i - 11;
    const fw::TColor left = strip.Canvas()->Pixels(0, i);
    const fw::TColor middle = strip.Canvas()->Pixels(1, i);
    const fw::TColor right = strip.Canvas()->Pixels(2, i);
    GradientFillRect(canvas, left, middle, fw::Rect(L, y, W / 2, y + 1), 0);
    GradientFillRect(canvas, middle, right, fw::Rect(W / 2, y, R, y + 1), 0);
  }
}

void Prepare(fw::TBitmap* bitmap, int W, int H) {
  bitmap->SetPixelFormat(fw::pf24bit);
  bitmap->SetSize(W, H);
  fw::TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetColor(fw::clWhite);
  canvas->FillRect(fw::Rect(0, 0, W, H));
  canvas->Pen()->SetStyle(fw::psSolid);
  canvas->Pen()->SetWidth(1);
}

void HoverNormal(fw::TCanvas* canvas, int W, int H) {
  canvas->Brush()->SetColor(C(0x69CFFF));
  canvas->Pen()->SetColor(C(0x69CFFF));
  canvas->Rectangle(3, H / 2, W - 3, H - 3);
  DrawW7Frame(canvas, w7fHover, W, H);
  GradientFillRect(canvas, C(0xDFF0FF), C(0xC2E2FE), fw::Rect(3, 3, W - 3, H / 2), 1);
  DrawLineColor(canvas, C(0xE9F4FF), 3, 2, W - 3, 2);
  for (const int x : {2, W - 3}) {
    DrawLineColor(canvas, C(0xDBEEFF), x, 3, x, H / 2);
    DrawLineColor(canvas, C(0x8DE3FF), x, H / 2, x, H - 3);
  }
  Pixels(canvas, C(0xF0F8FF), {{2, 2}, {W - 3, 2}, {1, 1}, {W - 2, 1}});
  Pixels(canvas, C(0xADF5FF), {{2, H - 3}, {W - 3, H - 3}, {1, H - 2}, {W - 2, H - 2}});
  GlowRows(canvas, W, H, 9, 3, W - 3, C(0x69CFFF), C(0xA4F4FF), C(0xEAFFFF));
}

void HoverFlat(fw::TCanvas* canvas, int W, int H) {
  DrawW7Frame(canvas, w7fHover, W, H);
  DrawLineColor(canvas, C(0xCAEFFF), 2, 1, W - 2, 1);
  DrawLineColor(canvas, C(0xCCEFFF), 1, 2, 1, H - 2);
  DrawLineColor(canvas, C(0xCCEFFF), W - 2, 2, W - 2, H - 2);
  GradientFillRect(canvas, C(0x67CEFF), C(0x71D3FF), fw::Rect(3, 3, W - 3, H - 11), 1);
  DrawLineColor(canvas, C(0x77DAFF), 3, 2, W - 3, 2);
  DrawLineColor(canvas, C(0x73D5FF), 2, 3, 2, H - 2);
  DrawLineColor(canvas, C(0x73D5FF), W - 3, 3, W - 3, H - 2);
  Pixels(canvas, C(0x85E5FF), {{2, 2}, {W - 3, 2}});
  GlowRows(canvas, W, H, 9, 3, W - 3, C(0x71D3FF), C(0xA4F4FF), C(0xEAFFFF));
}

void PressedNormal(fw::TCanvas* canvas, int W, int H) {
  DrawLineColor(canvas, C(0x85C1E3), 2, 1, W - 2, 1);
  GradientFillRect(canvas, C(0x8ECBEE), C(0x78C7F5), fw::Rect(1, 2, W - 1, H / 2), 1);
  GradientFillRect(canvas, C(0x56BBF5), C(0x60BBEB), fw::Rect(1, H / 2, W - 1, H - 9), 1);
  GlowRows(canvas, W, H, 10, 1, W - 1, C(0x58BBF3), C(0x80DFEA), C(0xD0EBE9));
  DrawW7Frame(canvas, w7fPressed, W, H);
}

void PressedFlat(fw::TCanvas* canvas, int W, int H) {
  DrawLineColor(canvas, C(0x5BA7D1), 2, 1, W - 2, 1);
  GradientFillRect(canvas, C(0x5DB5E7), C(0x60BBEB), fw::Rect(1, 2, W - 1, H - 9), 1);
  GlowRows(canvas, W, H, 10, 1, W - 1, C(0x60BBEB), C(0x80DFEA), C(0xD0EBE9));
  DrawW7Frame(canvas, w7fPressed, W, H);
}

struct FrameColours {
  fw::TColor outer;
  fw::TColor inner;  // clNone: no inner round rectangle
  fw::TColor outerBottom;
  fw::TColor outerTop;
  fw::TColor innerBottom;
  fw::TColor innerTop;
};

constexpr FrameColours kFrames[] = {
    {C(0x00DBFF), C(0xFFFFFF), C(0x3ED5F7), C(0x3ED5F7), C(0xCFF6FF), C(0xBEECFF)},
    {C(0x289BC2), fw::clNone, C(0x48A9CA), C(0x52ABCB), C(0x5BC3D7), C(0x5EB3D7)},
    {C(0xAA9787), C(0xFEFAF6), C(0xBBAA9B), C(0xBBAA9B), C(0xE4DED9), C(0xBBAA9B)},
    {C(0xD1C2B4), fw::clNone, C(0xD9CABD), C(0xD9CABD), C(0xE6D9CD), C(0xE6D9CD)},
};

}  // namespace

fw::TColor BlendColors(fw::TColor Color, fw::TColor Background, std::uint8_t Opacity) {
  const COLORREF c = fw::ColorToRGB(Color);
  const COLORREF b = fw::ColorToRGB(Background);
  const double x = Opacity / 255.0;
  auto channel = [x](int color, int background) {
    return static_cast<int>(fw::Round(background * x + color * (1 - x))) & 0xFF;
  };
  return static_cast<fw::TColor>(channel(GetRValue(c), GetRValue(b)) | (channel(GetGValue(c), GetGValue(b)) << 8) |
                                 (channel(GetBValue(c), GetBValue(b)) << 16));
}

bool AlphaBlendBitmapRect(fw::TBitmap* Bitmap, const fw::TRect& SourceRect, fw::TCanvas* Canvas,
                          bool IgnoreSourceAlpha, int Opacity, const fw::TRect& DestRect) {
  BLENDFUNCTION blend{};
  blend.BlendOp = AC_SRC_OVER;
  blend.SourceConstantAlpha = static_cast<BYTE>(Opacity & 0xFF);
  blend.AlphaFormat = Bitmap->PixelFormat() == fw::pf32bit && !IgnoreSourceAlpha ? AC_SRC_ALPHA : 0;
  HDC source = Bitmap->Canvas()->Handle();
  return AlphaBlend(Canvas->Handle(), DestRect.Left, DestRect.Top, DestRect.Width(), DestRect.Height(), source,
                    SourceRect.Left, SourceRect.Top, SourceRect.Width(), SourceRect.Height(), blend) != FALSE;
}

bool AlphaBlendBitmap(fw::TBitmap* Bitmap, fw::TCanvas* Canvas, const fw::TRect& Rect, int Opacity,
                      bool IgnoreSourceAlpha) {
  return AlphaBlendBitmapRect(Bitmap, fw::Rect(0, 0, Bitmap->Width(), Bitmap->Height()), Canvas, IgnoreSourceAlpha,
                              Opacity, Rect);
}

bool GradientFillRect(fw::TCanvas* Canvas, fw::TColor Color1, fw::TColor Color2, const fw::TRect& Rect,
                      int Vertical) {
  const COLORREF from = fw::ColorToRGB(Color1);
  const COLORREF to = fw::ColorToRGB(Color2);
  TRIVERTEX vertices[2] = {};
  vertices[0].x = Rect.Left;
  vertices[0].y = Rect.Top;
  vertices[0].Red = static_cast<COLOR16>(GetRValue(from) << 8);
  vertices[0].Green = static_cast<COLOR16>(GetGValue(from) << 8);
  vertices[0].Blue = static_cast<COLOR16>(GetBValue(from) << 8);
  vertices[1].x = Rect.Right;
  vertices[1].y = Rect.Bottom;
  vertices[1].Red = static_cast<COLOR16>(GetRValue(to) << 8);
  vertices[1].Green = static_cast<COLOR16>(GetGValue(to) << 8);
  vertices[1].Blue = static_cast<COLOR16>(GetBValue(to) << 8);
  GRADIENT_RECT rect{0, 1};
  return GradientFill(Canvas->Handle(), vertices, 2, &rect, 1,
                      Vertical != 0 ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H) != FALSE;
}

void AlphaBlendGradient(fw::TCanvas* Canvas, fw::TBitmap* Bitmap, int OpacityFrom, int OpacityTo, const fw::TRect& Rect,
                        int Direction) {
  const int n = Direction == 0 ? Rect.Width() : Rect.Height();
  if (n <= 0) return;
  fw::TBitmap ramp;
  ramp.SetPixelFormat(fw::pf24bit);
  ramp.SetSize(1, n);
  GradientFillRect(ramp.Canvas(), OpacityFrom, OpacityTo, fw::Rect(0, 0, 1, n), 1);
  for (int i = 0; i < n; ++i) {
    const int opacity = ramp.Canvas()->Pixels(0, i) & 0xFF;
    if (Direction == 0) {
      AlphaBlendBitmapRect(Bitmap, fw::Rect(i, 0, i + 1, Bitmap->Height()), Canvas, false, opacity,
                           fw::Rect(Rect.Left + i, Rect.Top, Rect.Left + i + 1, Rect.Bottom));
    } else {
      AlphaBlendBitmapRect(Bitmap, fw::Rect(0, i, Bitmap->Width(), i + 1), Canvas, false, opacity,
                           fw::Rect(Rect.Left, Rect.Top + i, Rect.Right, Rect.Top + i + 1));
    }
  }
}

void DrawW7Arrow(fw::TCanvas* Canvas, fw::TColor Color, int X, int Y, TW7ArrowType ArrowType) {
  // The down arrow in its own coordinates (u across the base, v towards the tip); the other types turn it.
  fw::TPoint (*place)(int X, int Y, int u, int v);
  switch (ArrowType) {
    case atDown: place = [](int x, int y, int u, int v) { return fw::Point(x + u, y + v); }; break;
    case atUp: place = [](int x, int y, int u, int v) { return fw::Point(x + u, y + 4 - v); }; break;
    case atLeft: place = [](int x, int y, int u, int v) { return fw::Point(x + 4 - v, y + u); }; break;
    case atRight: place = [](int x, int y, int u, int v) { return fw::Point(x + v, y + u); }; break;
    default: return;
  }
  auto at = [&](int u, int v) { return place(X, Y, u, v); };
  fw::TPen* pen = Canvas->Pen();
  pen->SetStyle(fw::psSolid);
  pen->SetWidth(1);
  pen->SetColor(Color);
  const fw::TPoint a = at(1, 0);
  const fw::TPoint b = at(8, 0);
  Canvas->MoveTo(a.X, a.Y);
  Canvas->LineTo(b.X, b.Y);
  const fw::TPoint c = at(6, 1);
  const fw::TPoint d = at(4, 3);
  Canvas->MoveTo(c.X, c.Y);
  Canvas->LineTo(d.X, d.Y);
  Canvas->LineTo(a.X, a.Y);
  for (const fw::TPoint& p : {at(3, 1), at(4, 1), at(5, 1), at(4, 2)}) Canvas->SetPixels(p.X, p.Y, Color);
  for (int i = 0; i <= 4; ++i) {
    for (const fw::TPoint& p : {at(i, i), at(8 - i, i)}) {
      Canvas->SetPixels(p.X, p.Y, BlendColors(Color, Canvas->Pixels(p.X, p.Y), 222));
    }
  }
}

void BuildW7LookBitmaps(fw::TBitmap* Background, fw::TBitmap* Hover, fw::TBitmap* Pressed, int Width, int Height,
                        bool Flat) {
  Prepare(Background, Width, Height);
  Prepare(Hover, Width, Height);
  Prepare(Pressed, Width, Height);
  if (Flat) {
    HoverFlat(Hover->Canvas(), Width, Height);
    PressedFlat(Pressed->Canvas(), Width, Height);
  } else {
    HoverNormal(Hover->Canvas(), Width, Height);
    PressedNormal(Pressed->Canvas(), Width, Height);
  }
}

void DrawW7Frame(fw::TCanvas* Canvas, TW7Frame Frame, int Width, int Height) {
  const FrameColours& f = kFrames[Frame];
  const int W = Width;
  const int H = Height;
  Canvas->Brush()->SetStyle(fw::bsClear);
  Canvas->Pen()->SetStyle(fw::psSolid);
  Canvas->Pen()->SetWidth(1);
  Canvas->Pen()->SetColor(f.outer);
  Canvas->RoundRect(0, 0, W, H, 4, 4);
  if (f.inner != fw::clNone) {
    Canvas->Pen()->SetColor(f.inner);
    Canvas->RoundRect(1, 1, W - 1, H - 1, 4, 4);
  }
  Pixels(Canvas, f.outerBottom, {{1, H - 1}, {0, H - 2}, {W - 2, H - 1}, {W - 1, H - 2}});
  Pixels(Canvas, f.outerTop, {{0, 1}, {1, 0}, {W - 1, 1}, {W - 2, 0}});
  Pixels(Canvas, f.innerBottom, {{1, H - 2}, {W - 2, H - 2}});
  Pixels(Canvas, f.innerTop, {{1, 1}, {W - 2, 1}});
}

}  // namespace ui
