#pragma once
// Drawing routines of the grid and the drop-downs: colour arithmetic, banded and mirrored gradients, the
// rounded button background, drop-down, push and spin button faces in four looks, transparent bitmaps,
// a small triangle, and the layered-window functions looked up at each call. Every routine draws on the
// caller's canvas and leaves its pen, brush and font as its last step set them.
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "ui/foundation/control_style.h"

namespace ui {

// Face looks and states of the button routines.
enum TFaceKind : std::uint8_t { fkThemed = 0, fkClassic = 1, fkFlat = 2, fkCustom = 3 };
enum TFaceState : std::uint8_t { fsNormal = 0, fsHot = 1, fsDown = 2, fsDisabled = 3 };
// Segments of a row of button backgrounds.
enum TButtonPosition : std::uint8_t { bpStandalone = 0, bpLeft = 1, bpRight = 2, bpMiddle = 3 };

// Each channel halved.
fw::TColor HalveColor(fw::TColor Color);
// Each channel changed by Percent of itself (rounded), kept within 0-255.
fw::TColor BrightenColor(fw::TColor Color, int Percent);
// The colour at Position of a gradient from Color (at Min) to ColorTo (over Max - Min); Color itself
// when there is no ColorTo or no range.
fw::TColor ColorAtPosition(fw::TColor Color, fw::TColor ColorTo, int Min, int Max, int Position);

// Steps + 1 bands from FromColor to ToColor, across (Horizontal) or down the rectangle.
void DrawBandedGradient(fw::TCanvas* Canvas, fw::TColor FromColor, fw::TColor ToColor, int Steps, fw::TRect Rect,
                        bool Horizontal);
// One or two gradient halves (the second in the mirror colours) and a frame or side lines.
void DrawMirrorGradient(fw::TCanvas* Canvas, fw::TRect Rect, fw::TColor Color, fw::TColor ColorTo,
                        fw::TColor MirrorColor, fw::TColor MirrorColorTo, bool Vertical, fw::TColor BorderColor,
                        bool BorderSidesOnly, bool Fill);
// A button background with rounded ends as the segment's position asks.
void DrawButtonBackground(fw::TCanvas* Canvas, fw::TColor Color, fw::TColor ColorTo, fw::TColor MirrorColor,
                          fw::TColor MirrorColorTo, fw::TColor TopLineColor, fw::TColor BottomLineColor,
                          fw::TColor BorderColor, fw::TColor CornerColor, fw::TColor OuterCornerColor, fw::TRect Rect,
                          std::uint8_t Position);
// The drop-down button at the right edge of Rect (themed hot and down draw as normal).
void DrawComboButton(fw::TCanvas* Canvas, HWND Handle, fw::TRect Rect, std::uint8_t Kind, std::uint8_t State,
                     const TControlFaceColors& Colors);
void DrawButtonFace(fw::TCanvas* Canvas, HWND Handle, fw::TRect Rect, std::uint8_t Kind, std::uint8_t State,
                    const TControlFaceColors& Colors);
// The up and down buttons at the right edge of Rect.
void DrawSpinButtons(fw::TCanvas* Canvas, HWND Handle, fw::TRect Rect, std::uint8_t Kind, std::uint8_t State,
                     const TControlFaceColors& Colors);
// The bitmap at its natural size at Rect's top-left, its top-left pixel's colour replaced by Color.
void DrawTransparentBitmap(fw::TCanvas* Canvas, fw::TBitmap* Bitmap, fw::TColor Color, const fw::TRect& Rect);
// The program's bitmap resource of that name, drawn as DrawTransparentBitmap does; EResNotFound when
// there is none.
void DrawBitmapResource(fw::TCanvas* Canvas, fw::TColor Color, const fw::TRect& Rect, const std::string& ResourceName);
void DrawSmallTriangle(fw::TCanvas* Canvas, int X, int Y, fw::TColor Color);
void FillRectColor(fw::TCanvas* Canvas, const fw::TRect& Rect, fw::TColor Color);
// A pen line in the colour from (X1, Y1) to (X2, Y2), the last pixel left out as LineTo does.
void DrawLineColor(fw::TCanvas* Canvas, fw::TColor Color, int X1, int Y1, int X2, int Y2);

// user32's layered-window functions, looked up at each call; true when user32 lacks them.
bool CallUpdateLayeredWindow(HWND hWnd, HDC hdcDst, POINT* pptDst, SIZE* psize, HDC hdcSrc, POINT* pptSrc,
                             COLORREF crKey, BLENDFUNCTION* pblend, DWORD dwFlags);
bool CallSetLayeredWindowAttributes(HWND hwnd, COLORREF crKey, BYTE bAlpha, DWORD dwFlags);

}  // namespace ui
