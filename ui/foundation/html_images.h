// Drawing routines of the HTML-subset text engine's pictures: shell icons (the system image list, by
// path, file type or index) and a bitmap stretched onto a canvas.
#pragma once

#include <string>

#include "framework/graphics/canvas.h"

namespace fw {
class TBitmap;
}

namespace ui {

// Draws (Draw) or only sizes the shell's icon for Reference (a number is an index of the system image
// list; a path or a bare file name or extension is looked up) at (X, Y); Size receives the icon size.
// Scaled, the icon is stretched to its size times Scale.
void DrawShellIcon(fw::TCanvas* Canvas, int X, int Y, fw::TSize& Size, double Scale, bool Scaled, bool Draw,
                   bool Large, const std::string& Reference);
// Copies the whole bitmap stretched into Rect of the canvas.
void StretchBitmapToCanvas(fw::TCanvas* Canvas, const fw::TRect& Rect, fw::TBitmap* Bitmap);
bool IsDirectory(const std::string& Path);

}  // namespace ui
