// TVxStringGrid: where text drawn at an angle starts inside a cell, by the angle's quadrant and the
// alignment (horizontal 0 left, 1 right, 2 centre; vertical 0 top, 1 centre, 2 bottom).
#include <windows.h>

#include <cmath>
#include <numbers>

#include "framework/graphics/canvas.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::PlaceRotatedText(fw::TRect& rect, int angle, int vAlign, int hAlign, const std::string& text) {
  SIZE size{};
  GetTextExtentPoint32A(Canvas()->Handle(), text.c_str(), static_cast<int>(text.size()), &size);
  const double w = size.cx;
  const double h = size.cy;

  const int l = rect.Left + 2;
  const int t = rect.Top + 2;
  const int r = rect.Right - 2;
  const int b = rect.Bottom - 2;
  const double a = angle * std::numbers::pi / 180.0;
  const int cw = static_cast<int>(std::abs(std::trunc(std::cos(a) * w)));
  const int ch = static_cast<int>(std::abs(std::trunc(std::cos(a) * h)));
  const int sw = static_cast<int>(std::abs(std::trunc(std::sin(a) * w)));
  const int sh = static_cast<int>(std::abs(std::trunc(std::sin(a) * h)));
  const int d = sw + t + ch - b;

  int left = l;
  int top = t;
  const int quadrant = angle <= 90 ? 1 : angle <= 180 ? 2 : angle <= 270 ? 3 : 4;
  struct Places {
    int left, right, centre, top, middle, bottom;
  };
  Places p{};
  switch (quadrant) {
    case 1:
      p = {l, r - cw - sh, l + (r - l - sh - cw) / 2, t + sw, t + sw - d / 2, b - ch};
      break;
    case 2:
      p = {l + cw, r - sh, r - (sh + r - l - cw) / 2, t + sw + ch, t + ch + sw - d / 2, b};
      break;
    case 3:
      p = {l + sh + cw, r, r - (r - l - sh - cw) / 2, t + ch, t + ch - d / 2, b - sw};
      break;
    default:
      p = {l + sh, r - cw, l + (sh + r - l - cw) / 2, t, t - d / 2, b - ch - sw};
      break;
  }
  if (hAlign == 0) left = p.left;
  if (hAlign == 1) left = p.right;
  if (hAlign == 2) left = p.centre;
  if (vAlign == 0) top = p.top;
  if (vAlign == 1) top = p.middle;
  if (vAlign == 2) top = p.bottom;
  rect = fw::TRect{left, top, r, b};
}

}  // namespace ui
