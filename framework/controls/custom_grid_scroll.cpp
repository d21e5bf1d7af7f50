// TCustomGrid's scroll bars. A bar's positions are the steps of LeftCol (TopRow) past the first normal
// column (row); a grid with more steps than the thumb's positions 0..127 maps the whole range onto them
// proportionally, so the thumb's ends are the first and the last top row.
#include <windows.h>

#include <algorithm>

#include "framework/controls/custom_grid.h"

namespace fw {

int TCustomGrid::ScrollSteps(const TGridAxis& axis) const {
  return axis.MaxFirst(gridLineWidth_, ClientExtent(axis)) - axis.FixedCount();
}

int TCustomGrid::ThumbOf(const TGridAxis& axis) const {
  const int steps = ScrollSteps(axis);
  const int offset = axis.First() - axis.FixedCount();
  return steps > kThumbMax ? MulDiv(offset, kThumbMax, steps) : offset;
}

int TCustomGrid::FirstOfThumb(const TGridAxis& axis, int thumb) const {
  const int steps = ScrollSteps(axis);
  return axis.FixedCount() + (steps > kThumbMax ? MulDiv(thumb, steps, kThumbMax) : thumb);
}

void TCustomGrid::UpdateScrollRange() {
  if (!HandleAllocated() || updatingScrollBars_) return;
  updatingScrollBars_ = true;
  // Showing or hiding one bar changes the room of the other: a second pass settles both.
  for (int pass = 0; pass < 2; ++pass) {
    for (const TGridAxis* axis : {&cols_, &rows_}) {
      const bool horizontal = axis == &cols_;
      const bool wanted = scrollBars_ == ssBoth || scrollBars_ == (horizontal ? ssHorizontal : ssVertical);
      const int steps = ScrollSteps(*axis);
      const bool shown = wanted && steps > 0;
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_RANGE | SIF_POS;
      info.nMin = 0;
      info.nMax = shown ? std::min(steps, kThumbMax) : 0;
      info.nPos = shown ? ThumbOf(*axis) : 0;
      SetScrollInfo(Handle(), horizontal ? SB_HORZ : SB_VERT, &info, TRUE);
    }
  }
  updatingScrollBars_ = false;
}

void TCustomGrid::ScrollMessage(TGridAxis& axis, WPARAM wParam) {
  const int thumb = static_cast<short>(HIWORD(wParam));
  int first = axis.First();
  switch (LOWORD(wParam)) {
    case SB_LINEUP: --first; break;
    case SB_LINEDOWN: ++first; break;
    case SB_PAGEUP: first -= axis.FullyVisibleCount(gridLineWidth_, ClientExtent(axis)); break;
    case SB_PAGEDOWN: first += axis.FullyVisibleCount(gridLineWidth_, ClientExtent(axis)); break;
    case SB_TOP: first = axis.FixedCount(); break;
    case SB_BOTTOM: first = axis.MaxFirst(gridLineWidth_, ClientExtent(axis)); break;
    case SB_THUMBPOSITION: first = FirstOfThumb(axis, thumb); break;
    case SB_THUMBTRACK:
      if (!options_.Contains(goThumbTracking)) return;  // the view follows when the thumb is let go
      first = FirstOfThumb(axis, thumb);
      break;
    default: return;
  }
  if (&axis == &cols_) {
    MoveTopLeft(first, TopRow());
  } else {
    MoveTopLeft(LeftCol(), first);
  }
  UpdateScrollRange();  // the thumb lands on the position of the top left reached
}

}  // namespace fw
