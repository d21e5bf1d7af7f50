#pragma once
// The string grid's graphical cells: a progress bar with a two-coloured centred text, a pie, a range
// indicator around a centre line, a level-coloured progress bar, geometric shapes 0-18 and the zigzag
// line under a misspelt stretch of text. They draw on the caller's canvas and keep no state.
#include <cstdint>
#include <string>

#include "framework/controls/win_control.h"
#include "framework/graphics/canvas.h"

namespace ui {

struct TProgressLevelsLook {
  fw::TColor Level0Color = fw::clLime, Level0ColorTo = fw::clNone;
  fw::TColor Level1Color = fw::clYellow, Level1ColorTo = fw::clNone;
  fw::TColor Level2Color = 0x00A5FF, Level2ColorTo = fw::clNone;
  fw::TColor Level3Color = fw::clRed, Level3ColorTo = fw::clNone;
  std::int32_t Level1Perc = 70;
  std::int32_t Level2Perc = 90;
  fw::TColor BorderColor = fw::clBlack;
  bool ShowBorder = true;
  bool Stacked = false;
  bool ShowPercentage = true;
  fw::TFont* Font = nullptr;  // not owned
  fw::TColor FontColor = fw::clBlack;
  bool CompletionSmooth = true;
  bool ShowGradient = false;
  std::int32_t Steps = 11;
  fw::TColor Color = fw::clWhite;
  bool Vertical = false;
};

// Value as text through Format (an integer when Format holds a "d" or "u", else a float; without a
// Format, Round(Value) and "%"), shown in the done and the rest in their own colours. An empty range or
// a Format that takes no such argument draws the empty bar.
void DrawProgressBar(fw::TCanvas* Canvas, fw::TRect Rect, fw::TColor Color, fw::TColor CompleteFontColor,
                     fw::TColor UnCompleteColor, fw::TColor UnCompleteFontColor, double Value, int MarginX,
                     int MarginY, int Min, int Max, const std::string& Format, fw::TColor BorderColor,
                     bool ShiftTextDown);
// A sector from twelve o'clock, clockwise, of Percentage of the circle.
void DrawProgressPie(fw::TCanvas* Canvas, const fw::TRect& Rect, fw::TColor Color, int Percentage, bool SeedAbove);
// A bar from the middle to the left (negative) or right, Value of Range (clamped); a Range of 0 or
// less draws nothing but the value.
void DrawRangeIndicator(fw::TCanvas* Canvas, fw::TRect Rect, int Value, int Range, bool ShowValue,
                        fw::TColor NegativeColor, fw::TColor PositiveColor);
void DrawProgressLevels(fw::TCanvas* Canvas, const fw::TRect& Rect, int Value, const TProgressLevelsLook& Look);
// Shape 0-18 in the box (X, Y, Width, Height); other shapes draw nothing.
void DrawShape(fw::TCanvas* Canvas, int X, int Y, int Width, int Height, std::uint8_t Shape, fw::TColor BrushColor,
               fw::TColor PenColor);
// The red zigzag under Length characters of Text from Start (0-based), laid out as an edit control in
// Rect shows them.
void DrawErrorUnderline(fw::TWinControl* Parent, fw::TCanvas* Canvas, const std::string& Text, const fw::TRect& Rect,
                        int YOffset, int Start, int Length);

}  // namespace ui
