#include "ui/grid/settings/grid_button_layout.h"

namespace ui {

TButtonContent LayoutButtonContent(const fw::TRect& area, fw::TSize glyph, fw::TSize text, TButtonLayout layout,
                                   int margin, int spacing, fw::TPoint offset, bool rightToLeft) {
  if (rightToLeft && layout == blGlyphLeft) {
    layout = blGlyphRight;
  } else if (rightToLeft && layout == blGlyphRight) {
    layout = blGlyphLeft;
  }
  const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
  const int cx = area.Width();
  const int cy = area.Height();
  fw::TPoint glyphAt{};
  fw::TPoint textAt{};
  // Across the axis: centred.
  if (horizontal) {
    glyphAt.Y = (cy - glyph.cy + 1) / 2;
    textAt.Y = (cy - text.cy + 1) / 2;
  } else {
    glyphAt.X = (cx - glyph.cx + 1) / 2;
    textAt.X = (cx - text.cx + 1) / 2;
  }
  // Along the axis.
  const int c = horizontal ? cx : cy;
  const int g = horizontal ? glyph.cx : glyph.cy;
  const int t = horizontal ? text.cx : text.cy;
  int m = margin;
  int s = spacing;
  if (text.cx == 0 || glyph.cx == 0) s = 0;
  if (m == -1 && s == -1) {
    m = (c - g - t) / 3;
    s = m;
  } else if (m == -1) {
    m = (c - (g + s + t) + 1) / 2;
  } else if (s == -1) {
    s = ((c - (m + g)) - t) / 2;
  }
  int glyphPos = 0;
  int textPos = 0;
  if (layout == blGlyphLeft || layout == blGlyphTop) {
    glyphPos = m;
    textPos = m + g + s;
  } else {
    glyphPos = c - m - g;
    textPos = glyphPos - s - t;
  }
  if (horizontal) {
    glyphAt.X = glyphPos;
    textAt.X = textPos;
  } else {
    glyphAt.Y = glyphPos;
    textAt.Y = textPos;
  }
  TButtonContent content;
  content.Glyph = fw::TPoint{glyphAt.X + area.Left + offset.X, glyphAt.Y + area.Top + offset.Y};
  const int left = textAt.X + area.Left + offset.X;
  const int top = textAt.Y + area.Top + offset.Y;
  content.Caption = fw::TRect{left, top, left + text.cx, top + text.cy};
  return content;
}

}  // namespace ui
