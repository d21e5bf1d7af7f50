#pragma once
// The painters of styled menus: gradients drawn one pixel line at a time, the visible slice of a larger
// gradient (so that a gradient runs on across items painted one by one), framed and mirrored gradient
// rectangles, separator and splitter bands that fade at their ends, backgrounds composed of a gradient
// and a positioned picture, and the side bar's rotated caption, border and splitter.
//
// Colours are TColor values, clNone for none; an end colour of none paints the start colour. All
// divisions truncate toward zero. Note the argument order: the end colour comes before the start colour.
#include "framework/graphics/canvas.h"
#include "ui/controls/menu_appearance.h"
#include "ui/controls/menu_background.h"

namespace ui {

class IMenuStyleHost;

void DrawMenuGradient(fw::TCanvas* Canvas, const fw::TRect& R, TGradientDirection Direction, fw::TColor EndColor,
                      fw::TColor StartColor);
// The part of a gradient laid over Extent that lies inside Clip, in the colours the whole one has there.
void DrawMenuGradientPart(fw::TCanvas* Canvas, const fw::TRect& Extent, TGradientDirection Direction,
                          fw::TColor EndColor, fw::TColor StartColor, const fw::TRect& Clip);
// The gradient when Fill is set and the start colour is not none, then a one-pixel frame in Border
// unless it is none.
void DrawMenuGradientRect(fw::TCanvas* Canvas, const fw::TRect& R, bool Fill, fw::TColor Border,
                          TGradientDirection Direction, fw::TColor EndColor, fw::TColor StartColor);
// As DrawMenuGradientRect; with a mirror start colour the top half runs start to end and the bottom half
// mirror start to mirror end.
void DrawMenuMirrorRect(fw::TCanvas* Canvas, const fw::TRect& R, bool Fill, fw::TColor Border,
                        TGradientDirection Direction, fw::TColor MirrorEndColor, fw::TColor MirrorStartColor,
                        fw::TColor EndColor, fw::TColor StartColor);
// A band Margin pixels short of both ends, fading from the start colour to the end colour over
// GradientWidth pixels at the GradientType end(s); with no gradient width it is one solid rectangle.
void DrawMenuBand(fw::TCanvas* Canvas, fw::TRect R, int Margin, int GradientWidth, TGradientType GradientType,
                  TGradientDirection Direction, fw::TColor EndColor, fw::TColor StartColor);

// Where the background's picture goes inside R (R's top-left corner when it has none, or for the tiled,
// stretched and XY positions).
void GetBackgroundImagePosition(TBackground* Background, const fw::TRect& R, int& X, int& Y);
// The background composed in its work bitmap (its margins taken off R), then drawn at R's top-left
// corner. Fill paints the gradient, unless an opaque tiled or stretched picture covers it.
void DrawMenuBackground(fw::TCanvas* Canvas, fw::TRect R, TBackground* Background, bool Fill);

// The side bar of the host's styler in force, inside the side bar's rectangle R.
void DrawSideBarCaption(IMenuStyleHost* Host, fw::TCanvas* Canvas, const fw::TRect& R);
void DrawSideBarBorder(IMenuStyleHost* Host, fw::TCanvas* Canvas, const fw::TRect& R);
void DrawSideBarSplitter(IMenuStyleHost* Host, fw::TCanvas* Canvas, const fw::TRect& R);

}  // namespace ui
