#pragma once
// The face of a push button that the framework draws itself (bit buttons and speed buttons): the frame,
// then a glyph beside a caption, both centred together and shifted by a pixel while pressed.
#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"

namespace fw {

struct ButtonFace {
  TRect Rect;
  bool Pressed = false;
  bool Enabled = true;
  TBitmap* Glyph = nullptr;  // may be empty
  std::string Caption;
  int Spacing = 4;
};

// Draws glyph and caption of the face (not the frame) on the canvas, in the canvas font.
void DrawButtonContent(TCanvas* canvas, const ButtonFace& face);

}  // namespace fw
