// TCustomGrid's paint loop: every cell in view, fixed ones included, goes to DrawCell once with its
// rectangle and draw state; the grid lines follow each cell, and the client area beyond the last cells
// takes the grid's colour.
#include <windows.h>

#include "framework/controls/custom_grid.h"

namespace fw {

namespace {

constexpr TColor kFixedLineColor = clBlack;
constexpr TColor kLineColor = clSilver;

bool Intersects(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

void Fill(TCanvas* canvas, const TRect& rect, TColor color) {
  if (rect.IsEmpty()) return;
  canvas->Brush()->SetColor(color);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->FillRect(rect);
}

}  // namespace

TGridDrawState TCustomGrid::DrawStateOf(int col, int row) {
  if (col < FixedCols() || row < FixedRows()) return TGridDrawState{gdFixed};
  TGridDrawState state;
  if (Selection().Contains(col, row)) state.Include(gdSelected);
  if (current_ == TGridCoord{col, row} && Focused()) state.Include(gdFocused);
  return state;
}

void TCustomGrid::Paint() {
  TCanvas* canvas = Canvas();
  RECT box{};
  GetClipBox(canvas->Handle(), &box);
  const TRect clip = TRect::FromRECT(box);
  const TRect client = ClientRect();
  canvas->SetFont(Font());

  const std::vector<int> cols = cols_.CellsInView(gridLineWidth_, client.Width());
  const std::vector<int> rows = rows_.CellsInView(gridLineWidth_, client.Height());
  int right = 0;
  int bottom = 0;
  for (int row : rows) {
    const int y = rows_.Start(row, gridLineWidth_);
    bottom = y + rows_.Extent(row, gridLineWidth_);
    for (int col : cols) {
      const int x = cols_.Start(col, gridLineWidth_);
      right = x + cols_.Extent(col, gridLineWidth_);
      PaintCell(col, row, Bounds(x, y, cols_.Size(col), rows_.Size(row)), clip);
    }
  }
  Fill(canvas, Rect(right, 0, client.Right, client.Bottom), Color());
  Fill(canvas, Rect(0, bottom, right, client.Bottom), Color());
}

void TCustomGrid::PaintCell(int col, int row, const TRect& rect, const TRect& clip) {
  if (!Intersects(Rect(rect.Left, rect.Top, rect.Right + gridLineWidth_, rect.Bottom + gridLineWidth_), clip)) return;
  TCanvas* canvas = Canvas();
  const TGridDrawState state = DrawStateOf(col, row);
  const bool fixed = state.Contains(gdFixed);
  const bool highlighted = state.Contains(gdSelected) &&
                           (!state.Contains(gdFocused) || options_.Contains(goDrawFocusSelected) ||
                            options_.Contains(goRowSelect));
  canvas->Brush()->SetColor(fixed ? fixedColor_ : highlighted ? clHighlight : Color());
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Font()->SetColor(highlighted ? clHighlightText : Font()->Color());
  if (defaultDrawing_) canvas->FillRect(rect);
  DrawCell(col, row, rect, state);
  if (defaultDrawing_) {
    if (fixed && Ctl3D()) {
      RECT edge = rect.ToRECT();
      DrawEdge(canvas->Handle(), &edge, BDR_RAISEDINNER, BF_RECT);
    }
    if (state.Contains(gdFocused) && !options_.Contains(goRowSelect)) canvas->DrawFocusRect(rect);
  }
  PaintLines(col, row, rect, fixed);
}

void TCustomGrid::PaintLines(int, int, const TRect& rect, bool fixed) {
  if (gridLineWidth_ <= 0) return;
  const bool vertical = options_.Contains(fixed ? goFixedVertLine : goVertLine);
  const bool horizontal = options_.Contains(fixed ? goFixedHorzLine : goHorzLine);
  const TColor line = fixed ? kFixedLineColor : kLineColor;
  const TColor gap = fixed ? fixedColor_ : Color();
  TCanvas* canvas = Canvas();
  const int w = gridLineWidth_;
  Fill(canvas, Rect(rect.Right, rect.Top, rect.Right + w, rect.Bottom), vertical ? line : gap);
  Fill(canvas, Rect(rect.Left, rect.Bottom, rect.Right, rect.Bottom + w), horizontal ? line : gap);
  Fill(canvas, Rect(rect.Right, rect.Bottom, rect.Right + w, rect.Bottom + w), vertical || horizontal ? line : gap);
}

}  // namespace fw
