// A cell's own border lines, on the sides its border query and border-pen event ask for.
#include <algorithm>

#include "framework/graphics/canvas.h"
#include "framework/graphics/pen.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::DrawCellBorders(int realCol, int row, const fw::TRect& rect) {
  fw::TCanvas* canvas = Canvas();
  fw::TPen saved;
  saved.Assign(canvas->Pen());
  TCellBorders borders;
  GetCellBorder(realCol, row, borders, canvas->Pen());
  fw::TPen left, right, bottom, top;
  for (fw::TPen* pen : {&left, &right, &bottom, &top}) pen->Assign(canvas->Pen());
  if (OnGetCellBorderProp) OnGetCellBorderProp(this, row, realCol, &left, &top, &right, &bottom);

  const int half = (canvas->Pen()->Width() + 1) / 2;
  fw::TRect r = rect;
  if (Options().Contains(fw::goVertLine)) {
    r.Left += half;
    r.Right -= half;
  }
  if (Options().Contains(fw::goHorzLine)) {
    r.Top += half;
    r.Bottom -= half;
  }
  const auto line = [canvas](fw::TPen* pen, int x1, int y1, int x2, int y2) {
    canvas->SetPen(pen);
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
  };
  if (borders.Contains(cbLeft)) line(&left, std::max(0, r.Left), rect.Top, std::max(0, r.Left), r.Bottom);
  if (borders.Contains(cbRight)) line(&right, r.Right - 1, rect.Top, r.Right - 1, r.Bottom);
  if (borders.Contains(cbTop)) {
    const int y = GridLineWidth() == 0 ? r.Top + 1 : std::max(0, r.Top - GridLineWidth());
    line(&top, r.Left, y, r.Right, y);
  }
  if (borders.Contains(cbBottom)) line(&bottom, r.Left - GridLineWidth() - 1, r.Bottom - 1, r.Right, r.Bottom - 1);
  canvas->SetPen(&saved);
}

}  // namespace ui
