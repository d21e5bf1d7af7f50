// Zooming the grid's sizes, the IntelliPan anchor icon, the grid cursor and scaling.
#include <windows.h>

#include <memory>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "ui/foundation/draw_utils.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

constexpr int kZoomLimit = 10;
// The anchor icons are 32 x 32 pixels.
constexpr int kIntelliPanIconSize = 32;

}  // namespace

void TVxStringGrid::Zoom(int step) {
  const int level = zoomLevel_ + step;
  if (level < -kZoomLimit || level > kZoomLimit) return;
  zooming_ = true;
  zoomLevel_ = level;
  for (int col = 0; col < ColCount(); ++col) {
    const int width = ColWidths(col);
    if (width > 0 && width + step > 0) SetColWidths(col, width + step);
  }
  for (int row = 0; row < RowCount(); ++row) {
    const int height = RowHeights(row);
    if (height > 0 && height + step > 0) SetRowHeights(row, height + step);
  }
  zooming_ = false;
  if (ScrollProportional) {
    UpdateVertScrollBar();
    UpdateHorzScrollBar();
  }
}

void TVxStringGrid::DrawIntelliPanIcon() {
  const char* name = nullptr;
  switch (IntelliPan) {
    case ipVertical: name = "INTLI3"; break;
    case ipHorizontal: name = "INTLI2"; break;
    case ipBoth: name = "INTLI1"; break;
    case ipNone: return;
  }
  fw::TBitmap icon;
  icon.LoadFromResourceName(::GetModuleHandleA(nullptr), name);
  fw::TBitmap onWhite;
  onWhite.SetSize(icon.Width(), icon.Height());
  onWhite.Canvas()->Brush()->SetColor(fw::clWhite);
  onWhite.Canvas()->FillRect(fw::TRect{0, 0, icon.Width(), icon.Height()});
  DrawTransparentBitmap(onWhite.Canvas(), &icon, fw::clWhite, fw::TRect{0, 0, icon.Width(), icon.Height()});
  Canvas()->Draw(IntelliPanAnchor.X, IntelliPanAnchor.Y, &onWhite);
}

void TVxStringGrid::RepaintIntelliPanIcon() {
  if (!HandleAllocated()) return;
  const RECT square{IntelliPanAnchor.X, IntelliPanAnchor.Y, IntelliPanAnchor.X + kIntelliPanIconSize,
                    IntelliPanAnchor.Y + kIntelliPanIconSize};
  ::InvalidateRect(Handle(), &square, FALSE);
}

void TVxStringGrid::SetCursor(fw::TCursor value) {
  TBaseGrid::SetCursor(value);
  gridCursor_ = value;
}

void TVxStringGrid::ChangeScale(int M, int D) {
  TBaseGrid::ChangeScale(M, D);
  if (M == D || D == 0) return;
  fixedFont_->SetSize(::MulDiv(fixedFont_->Size(), M, D));
  activeCellFont_->SetSize(::MulDiv(activeCellFont_->Size(), M, D));
}

}  // namespace ui
