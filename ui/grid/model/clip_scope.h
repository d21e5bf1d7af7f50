// Narrows a canvas's clipping to a rectangle (logical coordinates) for the scope's lifetime and puts the
// canvas's own clipping back after. GUI thread only.
#pragma once

#include <windows.h>

#include "framework/graphics/gdi_handles.h"
#include "framework/graphics/geometry.h"

namespace ui {

class ClipScope {
 public:
  ClipScope(HDC dc, const fw::TRect& rect) : dc_(dc), saved_(CreateRectRgn(0, 0, 0, 0)) {
    hadClip_ = GetClipRgn(dc_, saved_.Get()) == 1;
    IntersectClipRect(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom);
  }
  ClipScope(const ClipScope&) = delete;
  ClipScope& operator=(const ClipScope&) = delete;
  ~ClipScope() { SelectClipRgn(dc_, hadClip_ ? saved_.Get() : nullptr); }

  // Takes a rectangle out of the clipping as well.
  void Exclude(const fw::TRect& rect) { ExcludeClipRect(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom); }

 private:
  HDC dc_;
  fw::GdiObject<HRGN> saved_;
  bool hadClip_ = false;
};

}  // namespace ui
