#include "framework/controls/bevel_drawing.h"

namespace fw {

void Frame3D(TCanvas* canvas, TRect& rect, TColor topColor, TColor bottomColor, int width) {
  canvas->Pen()->SetWidth(1);
  for (int i = 0; i < width && !rect.IsEmpty(); ++i) {
    const int right = rect.Right - 1;
    const int bottom = rect.Bottom - 1;
    canvas->Pen()->SetColor(topColor);
    canvas->MoveTo(rect.Left, bottom);
    canvas->LineTo(rect.Left, rect.Top);
    canvas->LineTo(right, rect.Top);
    canvas->Pen()->SetColor(bottomColor);
    canvas->LineTo(right, bottom);
    canvas->LineTo(rect.Left - 1, bottom);
    rect = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
  }
}

void DrawBevel(TCanvas* canvas, TRect& rect, TBevelCut cut, int width, TColor face) {
  switch (cut) {
    case bvLowered: Frame3D(canvas, rect, clBtnShadow, clBtnHighlight, width); break;
    case bvRaised: Frame3D(canvas, rect, clBtnHighlight, clBtnShadow, width); break;
    case bvSpace: Frame3D(canvas, rect, face, face, width); break;
    case bvNone: break;
  }
}

}  // namespace fw
