#include "ui/foundation/cell_painters.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "framework/controls/edit.h"
#include "framework/rtl/arith.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/format.h"
#include "ui/foundation/draw_utils.h"
#include "ui/foundation/round_to_int.h"

namespace ui {

namespace {

constexpr double kPi = 3.14159265358979323846;

fw::TRect Grown(const fw::TRect& r, int by) { return fw::TRect{r.Left - by, r.Top - by, r.Right + by, r.Bottom + by}; }

// The value through the format: an integer for a format with "d" or "u" in it, a float otherwise, and
// the float when the integer is refused. A format that takes neither gives no text.
std::string FormatValue(const std::string& format, double value) {
  if (format.find_first_of("du") != std::string::npos) {
    try {
      return fw::Format(format, {static_cast<std::int64_t>(fw::Round(value))});
    } catch (const fw::Exception&) {
    }
  }
  try {
    return fw::Format(format, {value});
  } catch (const fw::Exception&) {
    return std::string();
  }
}

void Polygon(fw::TCanvas* canvas, const std::vector<fw::TPoint>& points) { canvas->Polygon(points); }

std::vector<fw::TPoint> StarPoints(int X, int Y, int Width, int Height, std::initializer_list<int> indices) {
  const int cx = X + Width / 2, cy = Y + Height / 2;
  std::vector<fw::TPoint> points;
  for (int k : indices) {
    const double a = k * 36 * kPi / 180;
    const double rx = (k % 2 == 0) ? Width / 2 : (Width / 2) / 3.0;
    const double ry = (k % 2 == 0) ? Height / 2 : (Height / 2) / 3.0;
    points.push_back({cx + RoundToInt(std::sin(a) * rx), cy - RoundToInt(std::cos(a) * ry)});
  }
  return points;
}

}  // namespace

void DrawProgressBar(fw::TCanvas* Canvas, fw::TRect Rect, fw::TColor Color, fw::TColor CompleteFontColor,
                     fw::TColor UnCompleteColor, fw::TColor UnCompleteFontColor, double Value, int MarginX,
                     int MarginY, int Min, int Max, const std::string& Format, fw::TColor BorderColor,
                     bool ShiftTextDown) {
  const fw::TColor remembered = Canvas->Brush()->Color();
  Canvas->Brush()->SetColor(Color);
  Canvas->Pen()->SetColor(Color);
  Canvas->Font()->SetColor(CompleteFontColor);

  std::string text;
  int percentage = 0;
  if (!Format.empty()) {
    text = FormatValue(Format, Value);
    // An empty range shows the bar empty.
    percentage = Max != Min ? RoundToInt((Value - Min) * 100 / (Max - Min)) : 0;
  } else {
    text = std::to_string(RoundToInt(Value)) + "%";
    percentage = RoundToInt(Value);
  }
  percentage = std::clamp(percentage, 0, 100);

  Rect = fw::TRect{Rect.Left + MarginX, Rect.Top + MarginY, Rect.Right - MarginX, Rect.Bottom - MarginY};
  const fw::TRect done{Rect.Left, Rect.Top, Rect.Left + RoundToInt((Rect.Right - Rect.Left) * percentage / 100.0),
                       Rect.Bottom};
  const fw::TSize size = Canvas->TextExtent(text);
  const int x = Rect.Left + (Rect.Right - Rect.Left - size.cx) / 2;
  const int y = ShiftTextDown ? Rect.Top + (Rect.Bottom - Rect.Top + size.cy) / 2
                              : Rect.Top + (Rect.Bottom - Rect.Top - size.cy) / 2;
  Canvas->TextRect(done, x, y, text);
  Canvas->Brush()->SetColor(UnCompleteColor);
  Canvas->Pen()->SetColor(UnCompleteColor);
  Canvas->Font()->SetColor(UnCompleteFontColor);
  Canvas->TextRect(fw::TRect{done.Right, Rect.Top, Rect.Right, Rect.Bottom}, x, y, text);

  Canvas->Brush()->SetColor(BorderColor);
  Rect = Grown(Rect, 1);
  if (BorderColor != fw::clNone) Canvas->FrameRect(Rect);
  Canvas->Brush()->SetColor(remembered);
  Rect = Grown(Rect, 1);
  Canvas->FrameRect(Rect);
}

void DrawProgressPie(fw::TCanvas* Canvas, const fw::TRect& Rect, fw::TColor Color, int Percentage, bool SeedAbove) {
  Canvas->Pen()->SetColor(0x808080);
  Canvas->Pen()->SetWidth(1);
  Canvas->Ellipse(Rect);
  const int w = Rect.Right - Rect.Left, h = Rect.Bottom - Rect.Top;
  const int cx = Rect.Left + w / 2, cy = Rect.Top + h / 2;
  Canvas->MoveTo(cx, Rect.Top);
  Canvas->LineTo(cx, cy);
  const double angle = Percentage / 100.0 * 2 * kPi;
  Canvas->LineTo(cx + RoundToInt((w + 1) * 0.5 * std::sin(angle)), cy - RoundToInt((h + 1) * 0.5 * std::cos(angle)));
  Canvas->Brush()->SetColor(Color);
  if (Percentage != 0) Canvas->FloodFill(cx + 1, SeedAbove ? Rect.Top - 2 : Rect.Top + 2, 0x808080, fw::fsBorder);
}

void DrawRangeIndicator(fw::TCanvas* Canvas, fw::TRect Rect, int Value, int Range, bool ShowValue,
                        fw::TColor NegativeColor, fw::TColor PositiveColor) {
  Rect = Grown(Rect, -2);
  const int half = (Rect.Right - Rect.Left) / 2;
  int v = std::max(std::min(Value, Range), -Range);
  if (Range > 0) {
    const int length = RoundToInt(static_cast<double>(v) * half / Range);
    if (v < 0) {
      Canvas->Brush()->SetColor(NegativeColor);
      Canvas->Pen()->SetColor(NegativeColor);
      Canvas->Rectangle(Rect.Left + half + length, Rect.Top, Rect.Left + half, Rect.Bottom);
    } else {
      Canvas->Brush()->SetColor(PositiveColor);
      Canvas->Pen()->SetColor(PositiveColor);
      Canvas->Rectangle(Rect.Left + half, Rect.Top, Rect.Left + half + length, Rect.Bottom);
    }
  } else {
    v = Value;  // no range: nothing to clamp to, no bar
  }
  if (ShowValue) {
    const std::string text = std::to_string(v);
    Canvas->Brush()->SetStyle(fw::bsClear);
    const int x = Rect.Left + (Rect.Right - Rect.Left - Canvas->TextWidth(text)) / 2;
    Canvas->TextRect(Rect, x, Rect.Top, text);
  }
}

void DrawProgressLevels(fw::TCanvas* Canvas, const fw::TRect& Rect, int Value, const TProgressLevelsLook& Look) {
  const bool vertical = Look.Vertical;
  int size = vertical ? Rect.Bottom - Rect.Top : Rect.Right - Rect.Left;
  const fw::TColor outline = Look.ShowBorder ? Look.BorderColor : Look.Color;
  Canvas->Brush()->SetStyle(fw::bsSolid);
  Canvas->Brush()->SetColor(Look.Color);
  Canvas->Pen()->SetColor(outline);
  Canvas->Rectangle(Rect);
  size -= 2;

  // A part from `start` to `end` pixels along the bar (from its left, or from its bottom when vertical),
  // `inset` pixels in from the sides.
  auto part = [&](int start, int end, int inset) {
    if (!vertical) return fw::TRect{Rect.Left + start, Rect.Top + inset, Rect.Left + end, Rect.Bottom - inset};
    return fw::TRect{Rect.Left + inset, Rect.Bottom - end, Rect.Right - inset, Rect.Bottom - start};
  };
  auto paint = [&](const fw::TRect& r, fw::TColor color, fw::TColor colorTo) {
    if (r.IsEmpty()) return;
    if (Look.ShowGradient) {
      const int middle = r.Top + (r.Bottom - r.Top) / 2;
      DrawBandedGradient(Canvas, colorTo, color, Look.Steps, fw::TRect{r.Left, r.Top, r.Right, middle}, false);
      DrawBandedGradient(Canvas, color, colorTo, Look.Steps, fw::TRect{r.Left, middle, r.Right, r.Bottom}, false);
    } else {
      Canvas->Brush()->SetStyle(fw::bsSolid);
      Canvas->Brush()->SetColor(color);
      Canvas->FillRect(r);
    }
  };

  if (Value > 0) {
    if (Look.Stacked) {
      const int a = Value < Look.Level1Perc ? RoundToInt(Value / 100.0 * size) : RoundToInt(Look.Level1Perc / 100.0 * size);
      paint(part(1, 1 + a, 1), Look.Level0Color, Look.Level0ColorTo);
      if (Value >= Look.Level1Perc) {
        const int b = Value < Look.Level2Perc ? RoundToInt(size * (Value - Look.Level1Perc) / 100.0)
                                              : RoundToInt(size * (Look.Level2Perc - Look.Level1Perc) / 100.0);
        paint(part(1 + a, 1 + a + b, 1), Look.Level1Color, Look.Level1ColorTo);
        if (Value >= Look.Level2Perc) {
          const int c = Value == 100 ? size - (a + b) : RoundToInt(size * (Value - Look.Level2Perc) / 100.0);
          paint(part(1 + a + b, 1 + a + b + c, 1), Look.Level3Color, Look.Level3ColorTo);
        }
      }
    } else {
      fw::TColor color = Look.Level2Color, colorTo = Look.Level2ColorTo;
      if (Value < Look.Level1Perc) {
        color = Look.Level0Color;
        colorTo = Look.Level0ColorTo;
      } else if (Value < Look.Level2Perc) {
        color = Look.Level1Color;
        colorTo = Look.Level1ColorTo;
      } else if (Value > 99) {
        color = Look.Level3Color;
        colorTo = Look.Level3ColorTo;
      }
      if (Look.CompletionSmooth) {
        paint(part(1, 1 + RoundToInt(Value / 100.0 * size), 1), color, colorTo);
      } else {
        const int m = RoundToInt(static_cast<double>(Value) * size / 100);
        if (m < 10) {
          if (m > 1) paint(part(2, m + 1, 2), color, colorTo);
        } else {
          int right = 9;
          paint(part(2, right, 2), color, colorTo);
          for (int block = 0; block < m / 9 - 1; ++block) {
            paint(part(right + 2, right + 9, 2), color, colorTo);
            right += 9;
          }
          if (m % 9 > 2) paint(part(right + 2, right + m % 9 + 1, 2), color, colorTo);
        }
        Canvas->Brush()->SetStyle(fw::bsClear);
      }
    }
  }

  if (Look.ShowPercentage) {
    const std::string text = std::to_string(Value) + "%";
    if (Look.Font != nullptr) {
      Canvas->Font()->SetName(Look.Font->Name());
      Canvas->Font()->SetSize(Look.Font->Size());
      Canvas->Font()->SetStyle(Look.Font->Style());
    }
    Canvas->Font()->SetColor(Look.FontColor);
    Canvas->Brush()->SetStyle(fw::bsClear);
    const fw::TSize extent = Canvas->TextExtent(text);
    const int midX = Rect.Left + (Rect.Right - Rect.Left) / 2;
    const int midY = Rect.Top + (Rect.Bottom - Rect.Top) / 2;
    if (!vertical) {
      Canvas->TextOut(midX - extent.cx / 2, midY - extent.cy / 2, text);
    } else {
      // The same font turned through 90 degrees, reading upwards.
      LOGFONTA logFont{};
      GetObjectA(Canvas->Font()->Handle(), sizeof(logFont), &logFont);
      logFont.lfEscapement = 900;
      logFont.lfOrientation = 900;
      HFONT turned = CreateFontIndirectA(&logFont);
      HDC dc = Canvas->Handle();
      HGDIOBJ old = SelectObject(dc, turned);
      const int oldMode = SetBkMode(dc, TRANSPARENT);
      const COLORREF oldColour = SetTextColor(dc, fw::ColorToRGB(Look.FontColor));
      TextOutA(dc, midX - extent.cy / 2, midY + extent.cx / 2, text.c_str(), static_cast<int>(text.size()));
      SetTextColor(dc, oldColour);
      SetBkMode(dc, oldMode);
      SelectObject(dc, old);
      DeleteObject(turned);
    }
  }

  Canvas->Pen()->SetColor(outline);
  Canvas->Brush()->SetStyle(fw::bsClear);
  Canvas->Rectangle(Rect);
}

void DrawShape(fw::TCanvas* Canvas, int X, int Y, int Width, int Height, std::uint8_t Shape, fw::TColor BrushColor,
               fw::TColor PenColor) {
  if (Shape > 18) return;
  Canvas->Brush()->SetColor(BrushColor);
  Canvas->Pen()->SetColor(PenColor);
  if (Shape == 1 || Shape == 11 || Shape == 12) Width = Height = std::min(Width, Height);
  const int w2 = Width / 2, h2 = Height / 2;
  switch (Shape) {
    case 1:
    case 10: Canvas->Ellipse(X, Y, X + Width, Y + Height); break;
    case 2: Polygon(Canvas, {{X + Width, Y}, {X + Width, Y + Height}, {X, Y + h2}}); break;
    case 3: Polygon(Canvas, {{X, Y}, {X, Y + Height}, {X + Width, Y + h2}}); break;
    case 4: Polygon(Canvas, {{X, Y + Height}, {X + Width, Y + Height}, {X + w2, Y}}); break;
    case 5: Polygon(Canvas, {{X, Y}, {X + Width, Y}, {X + w2, Y + Height}}); break;
    case 6: Polygon(Canvas, {{X, Y + h2}, {X + w2, Y}, {X + 2 * w2, Y + h2}, {X + w2, Y + 2 * h2}}); break;
    case 7: Canvas->Rectangle(X + w2, Y, X + w2 + 1, Y + Height); break;
    case 8: Canvas->Rectangle(X, Y + h2, X + Width, Y + h2 + 1); break;
    case 9:
    case 12: Canvas->RoundRect(X, Y, X + Width, Y + Height, 10, 10); break;
    case 13: Polygon(Canvas, StarPoints(X, Y, Width, Height, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9})); break;
    case 18: Polygon(Canvas, StarPoints(X, Y, Width, Height, {0, 5, 6, 7, 8, 9})); break;
    case 14:
    case 15: {
      Width -= Width % 2;
      const int q = Width / 4, mid = Y + Height / 2;
      const int tip = Shape == 14 ? Y : Y + Height, tail = Shape == 14 ? Y + Height : Y;
      Polygon(Canvas, {{X, mid}, {X + Width / 2, tip}, {X + Width, mid}, {X + q * 3, mid}, {X + q * 3, tail},
                       {X + q, tail}, {X + q, mid}});
      break;
    }
    case 16:
    case 17: {
      Height -= Height % 2;
      const int q = Height / 4, mid = X + Width / 2;
      const int tip = Shape == 16 ? X : X + Width, tail = Shape == 16 ? X + Width : X;
      Polygon(Canvas, {{tip, Y + Height / 2}, {mid, Y}, {mid, Y + q}, {tail, Y + q}, {tail, Y + q * 3},
                       {mid, Y + q * 3}, {mid, Y + Height}});
      break;
    }
    default: Canvas->Rectangle(X + 1, Y + 1, X + Width - 1, Y + Height - 1); break;
  }
}

void DrawErrorUnderline(fw::TWinControl* Parent, fw::TCanvas* Canvas, const std::string& Text, const fw::TRect& Rect,
                        int YOffset, int Start, int Length) {
  auto* edit = fw::Create<fw::TEdit>(Parent);
  POINT from{}, to{};
  try {
    edit->SetParent(Parent);
    edit->SetVisible(false);
    edit->SetBounds(Rect.Left, Rect.Top, Rect.Right - Rect.Left, Rect.Bottom - Rect.Top);
    edit->SetText(Text);
    HWND window = edit->Handle();
    const int length = static_cast<int>(Text.size());
    auto position = [window](int index) {
      const auto packed = static_cast<DWORD>(SendMessageA(window, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0));
      return POINT{static_cast<LONG>(LOWORD(packed)), static_cast<LONG>(HIWORD(packed))};
    };
    if (Start < length) {
      from = position(Start);
    } else {
      from = position(length);
      from.x += 4;
    }
    if (Start + Length < length) {
      to = position(Start + Length - 1);
    } else {
      to = position(length - 1);
      to.x += 4;
      to.y = from.y;
    }
  } catch (...) {
    edit->Free();
    throw;
  }
  edit->Free();
  Canvas->Pen()->SetColor(fw::clRed);
  Canvas->Pen()->SetWidth(2);
  int x = from.x, d = 3;
  Canvas->MoveTo(Rect.Left + x, Rect.Top + from.y + YOffset + 3);
  while (to.x >= x) {
    d = d == 3 ? 0 : 3;
    Canvas->LineTo(Rect.Left + x + 3, Rect.Top + to.y + YOffset + d);
    x += 3;
  }
  d = d == 3 ? 0 : 3;
  Canvas->LineTo(Rect.Left + x + 3, Rect.Top + to.y + YOffset + d);
}

}  // namespace ui
