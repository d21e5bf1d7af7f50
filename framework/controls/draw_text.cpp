#include "framework/controls/draw_text.h"

namespace fw {

TRect DrawCanvasText(TCanvas* canvas, const std::string& text, const TRect& rect, UINT flags) {
  canvas->TextExtent("");  // selects the canvas font into its DC
  const HDC dc = canvas->Handle();
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor = SetTextColor(dc, ColorToRGB(canvas->Font()->Color()));
  RECT area = rect.ToRECT();
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, flags);
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
  return TRect::FromRECT(area);
}

TSize MeasureCanvasText(TCanvas* canvas, const std::string& text, int maxWidth, UINT flags) {
  const TRect r = DrawCanvasText(canvas, text.empty() ? " " : text, Rect(0, 0, maxWidth, 0), flags | DT_CALCRECT);
  return TSize{r.Width(), r.Height()};
}

}  // namespace fw
