// Where a control's attached caption label goes: fifteen positions around the control, and the arithmetic
// that places the label in each. The combo box with columns and the drop-down edits share it. GUI thread only.
#pragma once

#include "framework/graphics/geometry.h"

namespace ui {

enum TLabelPosition {
  lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
  lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom, lpTopRight,
  lpBottomRight
};

// The label's top left for a control at Control (in the parent's coordinates), the label's caption
// TextWidth pixels wide and the label itself LabelWidth x LabelHeight, Margin pixels apart. The left-hand
// positions leave the caption's width (not the label's) plus the margin before the control; centring
// truncates, so a label wider or higher than the control stands out by equal parts (the odd pixel on the
// leading side).
fw::TPoint AttachedLabelPlace(TLabelPosition Position, const fw::TRect& Control, int TextWidth, int LabelWidth,
                              int LabelHeight, int Margin);

}  // namespace ui
