#include "framework/controls/button_face.h"

#include "framework/controls/draw_text.h"

namespace fw {

void DrawButtonContent(TCanvas* canvas, const ButtonFace& face) {
  const bool hasGlyph = face.Glyph != nullptr && !face.Glyph->Empty();
  const TSize text = face.Caption.empty() ? TSize{} : MeasureCanvasText(canvas, face.Caption, 0, DT_SINGLELINE);
  const int glyphWidth = hasGlyph ? face.Glyph->Width() : 0;
  const int gap = hasGlyph && !face.Caption.empty() ? face.Spacing : 0;
  const int shift = face.Pressed ? 1 : 0;
  int x = face.Rect.Left + (face.Rect.Width() - (glyphWidth + gap + text.cx)) / 2 + shift;
  if (hasGlyph) {
    const int y = face.Rect.Top + (face.Rect.Height() - face.Glyph->Height()) / 2 + shift;
    face.Glyph->Draw(canvas->Handle(), Bounds(x, y, face.Glyph->Width(), face.Glyph->Height()));
    x += glyphWidth + gap;
  }
  if (face.Caption.empty()) return;
  if (!face.Enabled) canvas->Font()->SetColor(clGrayText);
  const int y = face.Rect.Top + (face.Rect.Height() - text.cy) / 2 + shift;
  DrawCanvasText(canvas, face.Caption, Bounds(x, y, text.cx, text.cy), DT_SINGLELINE);
}

}  // namespace fw
