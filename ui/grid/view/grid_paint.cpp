// The string grid's paint: the cells through the base painter, the frame around a shown cell editor, the
// background outside the cells and the after-paint notification.
#include "framework/graphics/canvas.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::Paint() {
  fw::TCanvas* canvas = Canvas();
  canvas->Pen()->SetStyle(fw::psSolid);
  canvas->Brush()->SetStyle(fw::bsSolid);
  TBaseGrid::Paint();

  if (editorFrameShown_) {
    fw::TColor frame = GridLineWidth() < 1 ? Color() : GridLineColor();
    if (!Options().Contains(fw::goHorzLine) && !Options().Contains(fw::goVertLine)) frame = Color();
    canvas->Pen()->SetColor(frame);
    canvas->Rectangle(CellRectEx(Col(), Row()));
  }
  canvas->Pen()->SetColor(fw::clBlack);
  if (!BackGround()->Bitmap()->Empty() || BackGround()->ColorTo() != kColorNotSet) PaintBackGroundOutsideCells();
  AfterPaint();
}

void TVxStringGrid::AfterPaint() {}

}  // namespace ui
