#include "ui/foundation/draw_utils.h"

#include <algorithm>
#include <array>
#include <utility>

#include "framework/rtl/arith.h"
#include "ui/foundation/theme_library.h"
#include "ui/foundation/round_to_int.h"

namespace ui {

namespace {

fw::TColor MakeRGB(int r, int g, int b) { return static_cast<fw::TColor>(RGB(r, g, b)); }

void SetPenAndBrush(fw::TCanvas* canvas, fw::TColor colour) {
  canvas->Brush()->SetColor(colour);
  canvas->Pen()->SetColor(colour);
}

void Line(fw::TCanvas* canvas, int x1, int y1, int x2, int y2) {
  canvas->MoveTo(x1, y1);
  canvas->LineTo(x2, y2);
}

void Triangle(fw::TCanvas* canvas, fw::TPoint a, fw::TPoint b, fw::TPoint c) {
  const std::array<fw::TPoint, 3> points{a, b, c};
  canvas->Polygon(points);
}

// The fill, border and text of a state (another state value gives none).
const fw::TColor* StateColours(const TControlFaceColors& colors, std::uint8_t state) {
  switch (state) {
    case fsNormal: return &colors.NormalFill;
    case fsHot: return &colors.HotFill;
    case fsDown: return &colors.DownFill;
    case fsDisabled: return &colors.DisabledFill;
    default: return nullptr;
  }
}

void DrawThemed(HWND handle, HDC dc, const wchar_t* themeClass, int part, int state, const RECT& rect) {
  if (ThemeLib.OpenThemeData == nullptr || ThemeLib.DrawThemeBackground == nullptr ||
      ThemeLib.CloseThemeData == nullptr) {
    return;
  }
  HTHEME theme = ThemeLib.OpenThemeData(handle, themeClass);
  ThemeLib.DrawThemeBackground(theme, dc, part, state, &rect, nullptr);
  ThemeLib.CloseThemeData(theme);
}

void FrameControl(fw::TCanvas* canvas, fw::TRect rect, UINT type, UINT state) {
  RECT r = rect.ToRECT();
  DrawFrameControl(canvas->Handle(), &r, type, state);
}

}  // namespace

fw::TColor HalveColor(fw::TColor Color) {
  const COLORREF rgb = fw::ColorToRGB(Color);
  return MakeRGB(GetRValue(rgb) / 2, GetGValue(rgb) / 2, GetBValue(rgb) / 2);
}

fw::TColor BrightenColor(fw::TColor Color, int Percent) {
  const COLORREF rgb = fw::ColorToRGB(Color);
  auto channel = [Percent](int c) { return std::clamp(RoundToInt(c + c * Percent / 100.0), 0, 255); };
  return MakeRGB(channel(GetRValue(rgb)), channel(GetGValue(rgb)), channel(GetBValue(rgb)));
}

fw::TColor ColorAtPosition(fw::TColor Color, fw::TColor ColorTo, int Min, int Max, int Position) {
  if (ColorTo == fw::clNone || Max == Min) return Color;
  const COLORREF c = fw::ColorToRGB(Color);
  const COLORREF d = fw::ColorToRGB(ColorTo);
  auto channel = [&](int from, int to) {
    return std::clamp(from + RoundToInt(static_cast<double>(to - from) / (Max - Min) * Position), 0, 255);
  };
  return MakeRGB(channel(GetRValue(c), GetRValue(d)), channel(GetGValue(c), GetGValue(d)),
                 channel(GetBValue(c), GetBValue(d)));
}

void DrawBandedGradient(fw::TCanvas* Canvas, fw::TColor FromColor, fw::TColor ToColor, int Steps, fw::TRect Rect,
                        bool Horizontal) {
  int left = Rect.Left, right = Rect.Right, top = Rect.Top, bottom = Rect.Bottom;
  if (top == bottom) return;
  if (bottom < top) std::swap(top, bottom);
  if (FromColor == fw::clNone || ToColor == fw::clNone) {
    const fw::TColor only = FromColor == fw::clNone && ToColor != fw::clNone ? ToColor : FromColor;
    SetPenAndBrush(Canvas, static_cast<fw::TColor>(fw::ColorToRGB(only)));
    Canvas->Rectangle(left, top, right, bottom);
    return;
  }
  const COLORREF c1 = fw::ColorToRGB(FromColor);
  const COLORREF c2 = fw::ColorToRGB(ToColor);
  const int extent = Horizontal ? right - left - 1 : bottom - top - 1;
  Steps = std::min(Steps, extent);
  if (Steps <= 0) Steps = 1;
  const double band = static_cast<double>(extent) / Steps;
  for (int i = 0; i <= Steps; ++i) {
    auto channel = [&](int a, int b) { return a + RoundToInt(static_cast<double>(i) * (b - a) / Steps); };
    SetPenAndBrush(Canvas, MakeRGB(channel(GetRValue(c1), GetRValue(c2)), channel(GetGValue(c1), GetGValue(c2)),
                                   channel(GetBValue(c1), GetBValue(c2))));
    const int offset = static_cast<std::uint16_t>(fw::Trunc(i * band));
    const int size = static_cast<int>(fw::Trunc(band + 1));
    if (Horizontal) {
      Canvas->Rectangle(left + offset, top, std::min(right, left + offset + size), bottom);
    } else {
      Canvas->Rectangle(left, top + offset, right, std::min(bottom, top + offset + size));
    }
  }
}

void DrawMirrorGradient(fw::TCanvas* Canvas, fw::TRect Rect, fw::TColor Color, fw::TColor ColorTo,
                        fw::TColor MirrorColor, fw::TColor MirrorColorTo, bool Vertical, fw::TColor BorderColor,
                        bool BorderSidesOnly, bool Fill) {
  if (Fill && Color != fw::clNone) {
    if (MirrorColor == fw::clNone && ColorTo == fw::clNone) {
      Canvas->Brush()->SetStyle(fw::bsSolid);
      Canvas->Brush()->SetColor(Color);
      Canvas->Pen()->SetColor(Color);
      Canvas->Pen()->SetWidth(1);
      Canvas->Pen()->SetStyle(fw::psSolid);
      Rect.Bottom += 1;
      Canvas->FillRect(Rect);
    } else if (MirrorColor == fw::clNone) {
      DrawBandedGradient(Canvas, Color, ColorTo, 128, Rect, !Vertical);
    } else if (Vertical) {
      const int middle = Rect.Top + (Rect.Bottom - Rect.Top) / 2;
      DrawBandedGradient(Canvas, Color, ColorTo, 128, fw::TRect{Rect.Left, Rect.Top, Rect.Right, middle}, false);
      DrawBandedGradient(Canvas, MirrorColor, MirrorColorTo, 128, fw::TRect{Rect.Left, middle, Rect.Right, Rect.Bottom},
                         false);
    } else {
      const int middle = Rect.Left + (Rect.Right - Rect.Left) / 2;
      DrawBandedGradient(Canvas, Color, ColorTo, 128, fw::TRect{Rect.Left, Rect.Top, middle, Rect.Bottom}, true);
      DrawBandedGradient(Canvas, MirrorColor, MirrorColorTo, 128, fw::TRect{middle, Rect.Top, Rect.Right, Rect.Bottom},
                         true);
    }
  }
  if (BorderColor == fw::clNone) return;
  if (BorderSidesOnly) {
    Canvas->Pen()->SetColor(BorderColor);
    Line(Canvas, Rect.Left, Rect.Top, Rect.Left, Rect.Bottom);
    Line(Canvas, Rect.Right - 1, Rect.Top, Rect.Right - 1, Rect.Bottom);
  } else {
    Canvas->Brush()->SetColor(BorderColor);
    Canvas->FrameRect(Rect);
  }
}

void DrawButtonBackground(fw::TCanvas* Canvas, fw::TColor Color, fw::TColor ColorTo, fw::TColor MirrorColor,
                          fw::TColor MirrorColorTo, fw::TColor TopLineColor, fw::TColor BottomLineColor,
                          fw::TColor BorderColor, fw::TColor CornerColor, fw::TColor OuterCornerColor, fw::TRect Rect,
                          std::uint8_t Position) {
  const int L = Rect.Left, T = Rect.Top, R = Rect.Right - 1, B = Rect.Bottom - 2;
  const int mid = T + (B - T) / 2;
  const bool leftEnd = Position == bpStandalone || Position == bpLeft;
  const bool rightEnd = Position == bpStandalone || Position == bpRight;

  Canvas->Pen()->SetColor(TopLineColor);
  Line(Canvas, L, T + 1, R, T + 1);
  if (leftEnd) Line(Canvas, L + 1, T + 1, L + 1, mid);
  if (rightEnd) Line(Canvas, R - 2, T + 1, R - 2, mid);

  Canvas->Pen()->SetColor(BottomLineColor);
  Line(Canvas, L, B - 1, R, B - 1);
  if (leftEnd) Line(Canvas, L + 1, mid, L + 1, B - 1);
  if (rightEnd) Line(Canvas, R - 2, mid, R - 2, B - 1);

  const int leftInset = (Position == bpRight || Position == bpMiddle) ? 0 : 2;
  const int rightInset = (Position == bpLeft || Position == bpMiddle) ? 0 : 2;

  Canvas->Pen()->SetColor(BorderColor);
  Line(Canvas, L + leftInset, T, R - rightInset, T);
  Line(Canvas, L + leftInset, B, R - rightInset, B);
  if (rightEnd) Line(Canvas, R - 1, T + 2, R - 1, B - 1);
  if (leftEnd) Line(Canvas, L, T + 2, L, B - 1);

  if (leftEnd) {
    for (const auto& [x, y] : {std::pair{L + 1, T}, {L + 1, T + 1}, {L, T + 1}, {L + 1, B}, {L + 1, B - 1}, {L, B - 1}}) {
      Canvas->SetPixels(x, y, CornerColor);
    }
    Canvas->SetPixels(L, T, OuterCornerColor);
    Canvas->SetPixels(L, B, OuterCornerColor);
  }
  if (rightEnd) {
    for (const auto& [x, y] :
         {std::pair{R - 2, T}, {R - 2, T + 1}, {R - 1, T + 1}, {R - 2, B}, {R - 2, B - 1}, {R - 1, B - 1}}) {
      Canvas->SetPixels(x, y, CornerColor);
    }
    Canvas->SetPixels(R - 1, T, OuterCornerColor);
    Canvas->SetPixels(R - 1, B, OuterCornerColor);
  }

  const fw::TRect inner{L + leftInset, T + 2, R - rightInset, B - 1};
  if (ColorTo == fw::clNone) {
    SetPenAndBrush(Canvas, Color);
    Canvas->FillRect(inner);
  } else if (MirrorColor == fw::clNone) {
    DrawBandedGradient(Canvas, Color, ColorTo, 16, inner, false);
  } else {
    const int half = inner.Top + (inner.Bottom - inner.Top) / 2;
    DrawBandedGradient(Canvas, Color, ColorTo, 16, fw::TRect{inner.Left, inner.Top, inner.Right, half}, false);
    DrawBandedGradient(Canvas, MirrorColor, MirrorColorTo, 16, fw::TRect{inner.Left, half, inner.Right, inner.Bottom},
                       false);
  }
}

void DrawComboButton(fw::TCanvas* Canvas, HWND Handle, fw::TRect Rect, std::uint8_t Kind, std::uint8_t State,
                     const TControlFaceColors& Colors) {
  Rect.Left = Rect.Right - 17;
  Rect = fw::TRect{Rect.Left - 2, Rect.Top + 1, Rect.Right - 2, Rect.Bottom - 1};
  switch (Kind) {
    case fkThemed:
      DrawThemed(Handle, Canvas->Handle(), L"combobox", 1, State == fsDisabled ? 4 : 1, Rect.ToRECT());
      break;
    case fkClassic:
    case fkFlat:
      FrameControl(Canvas, Rect, DFC_SCROLL,
                   DFCS_SCROLLCOMBOBOX | (State == fsDisabled ? DFCS_INACTIVE : 0) | (Kind == fkFlat ? DFCS_FLAT : 0));
      break;
    case fkCustom: {
      Rect.Left += 3;
      if (const fw::TColor* state = StateColours(Colors, State)) Canvas->Brush()->SetColor(state[0]);
      Canvas->Pen()->SetColor(Canvas->Brush()->Color());
      Canvas->Rectangle(Rect);
      Canvas->Pen()->SetColor(Colors.NormalBorder);
      Line(Canvas, Rect.Left + 1, Rect.Top, Rect.Left + 1, Rect.Bottom);
      SetPenAndBrush(Canvas, Colors.NormalText);
      Triangle(Canvas, {Rect.Left + 5, Rect.Top + 8}, {Rect.Left + 11, Rect.Top + 8}, {Rect.Left + 8, Rect.Top + 11});
      break;
    }
    default:
      break;
  }
}

void DrawButtonFace(fw::TCanvas* Canvas, HWND Handle, fw::TRect Rect, std::uint8_t Kind, std::uint8_t State,
                    const TControlFaceColors& Colors) {
  static constexpr UINT kClassic[4] = {0x10, 0x1010, 0x210, 0x110};
  static constexpr UINT kFlat[4] = {0x4010, 0x5010, 0x4210, 0x4110};
  switch (Kind) {
    case fkThemed:
      DrawThemed(Handle, Canvas->Handle(), L"button", 1, State < 4 ? State + 1 : 1, Rect.ToRECT());
      break;
    case fkClassic:
    case fkFlat:
      if (State < 4) FrameControl(Canvas, Rect, DFC_BUTTON, (Kind == fkFlat ? kFlat : kClassic)[State]);
      break;
    case fkCustom:
      if (const fw::TColor* state = StateColours(Colors, State)) {
        Canvas->Brush()->SetColor(state[0]);
        Canvas->Pen()->SetColor(state[1]);
      }
      Canvas->Rectangle(Rect);
      break;
    default:
      break;
  }
}

void DrawSpinButtons(fw::TCanvas* Canvas, HWND Handle, fw::TRect Rect, std::uint8_t Kind, std::uint8_t State,
                     const TControlFaceColors& Colors) {
  Rect.Left = Rect.Right - 15;
  Rect = Rect.Offset(-1, -1);
  const int mid = Rect.Top + (Rect.Bottom - Rect.Top) / 2;
  const fw::TRect up{Rect.Left, Rect.Top, Rect.Right, mid};
  switch (Kind) {
    case fkThemed: {
      const int state = State == fsDisabled ? 4 : 1;
      DrawThemed(Handle, Canvas->Handle(), L"spin", 1, state, up.ToRECT());
      DrawThemed(Handle, Canvas->Handle(), L"spin", 2, state, fw::TRect{Rect.Left, mid, Rect.Right, Rect.Bottom}.ToRECT());
      break;
    }
    case fkClassic:
    case fkFlat: {
      const UINT extra = (State == fsDisabled ? DFCS_INACTIVE : 0) | (Kind == fkFlat ? DFCS_FLAT : 0);
      FrameControl(Canvas, up, DFC_SCROLL, DFCS_SCROLLUP | extra);
      FrameControl(Canvas, fw::TRect{Rect.Left, mid + 1, Rect.Right, Rect.Bottom}, DFC_SCROLL, DFCS_SCROLLDOWN | extra);
      break;
    }
    case fkCustom: {
      if (const fw::TColor* state = StateColours(Colors, State)) {
        Canvas->Brush()->SetColor(state[0]);
        Canvas->Pen()->SetColor(state[1]);
      }
      Canvas->Rectangle(up);
      Canvas->Rectangle(fw::TRect{Rect.Left, mid + 1, Rect.Right, Rect.Bottom});
      SetPenAndBrush(Canvas, fw::clBlack);
      const int L = Rect.Left, T = Rect.Top;
      Triangle(Canvas, {L + 5, T + 5}, {L + 9, T + 5}, {L + 7, T + 3});
      Triangle(Canvas, {L + 5, mid + 2}, {L + 9, mid + 2}, {L + 7, mid + 4});
      break;
    }
    default:
      break;
  }
}

void DrawTransparentBitmap(fw::TCanvas* Canvas, fw::TBitmap* Bitmap, fw::TColor Color, const fw::TRect& Rect) {
  const int w = Bitmap->Width(), h = Bitmap->Height();
  fw::TBitmap copy;
  copy.SetSize(w, h);
  copy.Canvas()->Brush()->SetColor(Color);
  const fw::TRect whole{0, 0, w, h};
  copy.Canvas()->BrushCopy(whole, Bitmap, whole, Bitmap->Canvas()->Pixels(0, 0));
  Canvas->CopyRect(fw::TRect{Rect.Left, Rect.Top, Rect.Left + w, Rect.Top + h}, copy.Canvas(), whole);
}

void DrawBitmapResource(fw::TCanvas* Canvas, fw::TColor Color, const fw::TRect& Rect, const std::string& ResourceName) {
  fw::TBitmap bitmap;
  bitmap.LoadFromResourceName(GetModuleHandleA(nullptr), ResourceName);
  DrawTransparentBitmap(Canvas, &bitmap, Color, Rect);
}

void DrawSmallTriangle(fw::TCanvas* Canvas, int X, int Y, fw::TColor Color) {
  SetPenAndBrush(Canvas, Color);
  Triangle(Canvas, {X - 3, Y}, {X + 3, Y}, {X, Y + 3});
}

void FillRectColor(fw::TCanvas* Canvas, const fw::TRect& Rect, fw::TColor Color) {
  Canvas->Brush()->SetColor(Color);
  Canvas->FillRect(Rect);
}

void DrawLineColor(fw::TCanvas* Canvas, fw::TColor Color, int X1, int Y1, int X2, int Y2) {
  Canvas->Pen()->SetColor(Color);
  Canvas->MoveTo(X1, Y1);
  Canvas->LineTo(X2, Y2);
}

bool CallUpdateLayeredWindow(HWND hWnd, HDC hdcDst, POINT* pptDst, SIZE* psize, HDC hdcSrc, POINT* pptSrc,
                             COLORREF crKey, BLENDFUNCTION* pblend, DWORD dwFlags) {
  using Function = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
  auto function = reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("USER32.DLL"), "UpdateLayeredWindow")));
  if (function == nullptr) return true;
  return function(hWnd, hdcDst, pptDst, psize, hdcSrc, pptSrc, crKey, pblend, dwFlags) != FALSE;
}

bool CallSetLayeredWindowAttributes(HWND hwnd, COLORREF crKey, BYTE bAlpha, DWORD dwFlags) {
  using Function = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  auto function = reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("USER32.DLL"), "SetLayeredWindowAttributes")));
  if (function == nullptr) return true;
  return function(hwnd, crKey, bAlpha, dwFlags) != FALSE;
}

}  // namespace ui
