// Painting a windowed control over its parent's image: the parent's background and its graphic children
// are painted into the control's device context first, then the control paints over them. The smooth
// pager and its pages, the progress bar and the panel paint this way when they are transparent; the glow
// button paints the parent under its face, or under its rounded corners, through a region.
#pragma once

#include <functional>

#include "framework/controls/win_control.h"

namespace ui {

// Paints Control's parent (background, WM_PAINT and graphic children) into DC, moved so that DC's origin is
// Control's top left. The parent's DoubleBuffered is off for the time of it; DC's state is restored.
void PaintParentImage(fw::TWinControl* Control, HDC DC);

// As PaintParentImage, but only inside Region (the control's client coordinates) and within DC's clip. The
// region is Control's to delete afterwards.
void PaintParentImageInRegion(fw::TWinControl* Control, HDC DC, HRGN Region);

// The WM_PAINT of a transparent control. With a DC in the message: the parent's image into it, then
// Inherited (the control's own paint handler) with the same message. Without one: a double-buffered control
// paints the whole of the above into a memory bitmap and copies it to its window in one go; any other
// control lets Inherited paint its window.
void PaintTransparently(fw::TWinControl* Control, fw::TMessage& Message,
                        const std::function<void(fw::TMessage&)>& Inherited);

}  // namespace ui
