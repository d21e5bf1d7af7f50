#include "ui/foundation/banded_gradient.h"

#include <windows.h>

#include <algorithm>

#include "framework/rtl/arith.h"
#include "ui/foundation/round_to_int.h"

namespace ui {

void FillBandedGradient(fw::TCanvas* Canvas, fw::TColor StartColor, fw::TColor EndColor, bool Horizontal,
                        const fw::TRect& Rect, int Count, fw::TColor BorderColor) {
  if (Count <= 0) Count = 1;
  const COLORREF from = fw::ColorToRGB(StartColor);
  const COLORREF to = fw::ColorToRGB(EndColor);
  const int size = Horizontal ? Rect.Width() : Rect.Height();
  const int step = size / Count + 1;
  for (int i = 0; i < Count; ++i) {
    const auto part = [&](int shift) {
      const int a = static_cast<int>((from >> shift) & 0xFF);
      const int b = static_cast<int>((to >> shift) & 0xFF);
      return RoundToInt(a + static_cast<double>(i) * (b - a) / Count);
    };
    const fw::TColor color = static_cast<fw::TColor>(part(0) | (part(8) << 8) | (part(16) << 16));
    Canvas->Pen()->SetColor(color);
    Canvas->Brush()->SetColor(color);
    Canvas->Brush()->SetStyle(fw::bsSolid);
    const int start = RoundToInt(static_cast<double>(i) * size / Count);
    fw::TRect band = Rect;
    if (Horizontal) {
      band.Left = Rect.Left + start;
      band.Right = std::min(band.Left + step, Rect.Right);
    } else {
      band.Top = Rect.Top + start;
      band.Bottom = std::min(band.Top + step, Rect.Bottom);
    }
    Canvas->FillRect(band);
  }
  if (BorderColor != fw::clNone) {
    Canvas->Brush()->SetStyle(fw::bsClear);
    Canvas->Pen()->SetColor(BorderColor);
    Canvas->Rectangle(Rect);
  }
}

void DrawDottedFocusRect(fw::TCanvas* Canvas, const fw::TRect& Rect, fw::TColor Color) {
  Canvas->Pen()->SetColor(Color);
  LOGBRUSH brush{BS_SOLID, fw::ColorToRGB(Color), 0};
  HPEN pen = ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr);
  HDC dc = Canvas->Handle();
  HGDIOBJ previous = SelectObject(dc, pen);
  MoveToEx(dc, Rect.Left, Rect.Top, nullptr);
  LineTo(dc, Rect.Right, Rect.Top);
  MoveToEx(dc, Rect.Right, Rect.Top, nullptr);
  LineTo(dc, Rect.Right, Rect.Bottom);
  MoveToEx(dc, Rect.Right, Rect.Bottom, nullptr);
  LineTo(dc, Rect.Left, Rect.Bottom);
  MoveToEx(dc, Rect.Left, Rect.Top, nullptr);
  LineTo(dc, Rect.Left, Rect.Bottom);
  SelectObject(dc, previous);
  DeleteObject(pen);
}

}  // namespace ui
