// Stand-ins of the drop-down family's drawing routines, until those are in: the gradient is a plain fill
// in its start colour, a blend is its first colour, and the image of an image text is left out.
#include "ui/dropdown/dropdown_drawing.h"
#include "framework/graphics/image_list.h"
namespace ui::dropdown {
void DrawStepGradient(fw::TCanvas* Canvas, fw::TColor FromColor, fw::TColor, bool, fw::TRect R, int) {
  Canvas->Brush()->SetStyle(fw::bsSolid);
  Canvas->Brush()->SetColor(FromColor);
  Canvas->FillRect(R);
}
fw::TColor BlendColor(fw::TColor Color1, fw::TColor, int) { return Color1; }
void DrawFilledRect(fw::TCanvas* Canvas, fw::TRect R, fw::TColor Color, int, int BorderWidth, fw::TColor BorderColor,
                    fw::TColor) {
  if (Canvas == nullptr) return;
  if (Color != fw::clNone) {
    Canvas->Brush()->SetStyle(fw::bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(R);
  }
  if (BorderColor != fw::clNone && BorderWidth > 0) {
    Canvas->Brush()->SetStyle(fw::bsClear);
    Canvas->Pen()->SetColor(BorderColor);
    Canvas->Pen()->SetWidth(BorderWidth);
    Canvas->Rectangle(R);
  }
}
void DrawImageText(fw::TCanvas* Canvas, fw::TRect R, const std::string& Text, int, fw::TCustomImageList*) {
  Canvas->TextExtent(Text);  // selects the canvas's font
  RECT r = R.ToRECT();
  DrawTextA(Canvas->Handle(), Text.c_str(), static_cast<int>(Text.size()), &r,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}
void GetTextSize(fw::TCanvas* Canvas, const std::string& Text, SIZE& Size) {
  Size = SIZE{0, 0};
  if (Text.empty()) return;
  const fw::TSize extent = Canvas->TextExtent(Text);
  Size = SIZE{extent.cx, extent.cy};
}
}
