// TScrollControl: the thin scroll strip of the grid's metro scroll type. A 6-pixel strip at the right
// (vertical) or bottom (horizontal) edge of its parent grid shows a flat thumb for the visible part of the
// scrollable rows (columns); a click before or after the thumb scrolls a page, dragging the thumb scrolls
// with the mouse. Without a TVxStringGrid parent it paints nothing and ignores the mouse. GUI thread only.
#pragma once

#include "framework/controls/custom_control.h"

namespace ui {

class TVxStringGrid;

enum TScrollDirection { sdVertical, sdHorizontal };

// The thumb along a strip `extent` pixels long whose track starts after `lead` pixels (the fixed rows)
// and ends `trail` pixels early (the footer rows): count items, fixed of them fixed, visible fully
// visible, first the first scrollable one in view. At least 20 pixels long, never past the strip's end.
struct TScrollThumb {
  int Start = 0;
  int Length = 0;
};
TScrollThumb ScrollThumbGeometry(int extent, int lead, int trail, int first, int fixed, int visible, int count);

class TScrollControl : public fw::TCustomControl {
 public:
  explicit TScrollControl(fw::TComponent* AOwner);

  // Color (0xC0C0C0) is the thumb's colour. The thumb's thickness:
  int ScrollWidth = 4;
  TScrollDirection Direction = sdVertical;

  // The grid served: the parent when it is a string grid.
  TVxStringGrid* Grid() const;
  // The thumb where it is now (also when everything fits and nothing is drawn).
  TScrollThumb Thumb() const;
  // Whether the scrollable rows (columns) do not all fit, so that a thumb shows.
  bool ThumbShown() const;
  bool Dragging() const { return dragging_; }

  void WndProc(fw::TMessage& Message) override;

 protected:
  void Paint() override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;

 private:
  // The grid's first scrollable row (column) in view, and moving it.
  int First() const;
  void SetFirst(int value);

  bool dragging_ = false;
  int dragStart_ = 0;
  int dragFirst_ = 0;
};

}  // namespace ui
