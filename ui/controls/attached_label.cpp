#include "ui/controls/attached_label.h"

namespace ui {

fw::TPoint AttachedLabelPlace(TLabelPosition Position, const fw::TRect& Control, int TextWidth, int LabelWidth,
                              int LabelHeight, int Margin) {
  const int l = Control.Left;
  const int t = Control.Top;
  const int w = Control.Width();
  const int h = Control.Height();
  const int lw = LabelWidth;
  const int lh = LabelHeight;
  const int m = Margin;
  const int centredTop = lh < h ? t + (h - lh) / 2 : t - (lh - h) / 2;
  const int centredLeft = w - lw > 0 ? l + (w - lw) / 2 : l - (lw - w) / 2;
  switch (Position) {
    case lpLeftTop: return {l - TextWidth - m, t};
    case lpLeftCenter: return {l - TextWidth - m, centredTop};
    case lpLeftBottom: return {l - TextWidth - m, t + h - lh};
    case lpTopLeft: return {l, t - lh - m};
    case lpBottomLeft: return {l, t + h + m};
    case lpLeftTopLeft: return {l - m, t};
    case lpLeftCenterLeft: return {l - m, centredTop};
    case lpLeftBottomLeft: return {l - m, t + h - lh};
    case lpTopCenter: return {centredLeft, t - lh - m};
    case lpBottomCenter: return {centredLeft, t + h + m};
    case lpRightTop: return {l + w + m, t};
    case lpRightCenter: return {l + w + m, centredTop};
    case lpRighBottom: return {l + w + m, t + h - lh};
    case lpTopRight: return {l + w - lw, t - lh - m};
    case lpBottomRight: return {l + w - lw, t + h + m};
  }
  return {l, t};
}

}  // namespace ui
