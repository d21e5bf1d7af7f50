// The plain drawing routines the pop-up's bars and buttons use. Stand-in declarations until the drawing
// routines of the drop-down family are in; the definitions are in dropdown_popup_standin.cpp.
#pragma once
#include <windows.h>
#include <string>
#include "framework/graphics/canvas.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/geometry.h"
namespace fw { class TCustomImageList; }
namespace ui::dropdown {
void DrawStepGradient(fw::TCanvas* Canvas, fw::TColor FromColor, fw::TColor ToColor, bool Horizontal, fw::TRect R,
                      int Steps);
fw::TColor BlendColor(fw::TColor Color1, fw::TColor Color2, int Percent);
void DrawFilledRect(fw::TCanvas* Canvas, fw::TRect R, fw::TColor Color, int Direction, int BorderWidth,
                    fw::TColor BorderColor, fw::TColor ColorTo);
void DrawImageText(fw::TCanvas* Canvas, fw::TRect R, const std::string& Text, int ImageIndex,
                   fw::TCustomImageList* Images);
void GetTextSize(fw::TCanvas* Canvas, const std::string& Text, SIZE& Size);
}
