// IGridCellDraw: what the object of a ctInterface cell implements so the grid can have it paint and
// measure the cell. The grid only calls it; what it draws is the object's business. GUI thread only.
#pragma once

#include <windows.h>

#include "framework/graphics/geometry.h"

namespace fw {
class TCanvas;
}

namespace ui {

class TVxStringGrid;

// {0712BE3F-5C9A-4771-BF71-4C987CDC39B3}
inline constexpr GUID IID_IGridCellDraw = {0x0712BE3F, 0x5C9A, 0x4771, {0xBF, 0x71, 0x4C, 0x98, 0x7C, 0xDC, 0x39, 0xB3}};

class IGridCellDraw {
 public:
  // Paints the cell content into the rectangle.
  virtual void Draw(fw::TCanvas* Canvas, const fw::TRect& Rect, int Col, int Row, bool Selected,
                    TVxStringGrid* Grid) = 0;
  // The size the content wants; 0 takes the cell's.
  virtual int GetWidth() = 0;
  virtual int GetHeight() = 0;
  // True when the content is drawn before the cell text, as its background.
  virtual bool IsBackground() = 0;

 protected:
  ~IGridCellDraw() = default;
};

}  // namespace ui
