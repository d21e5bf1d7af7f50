// The background picture or gradient: in the client area outside the cells (after the cells are
// painted) and inside a cell (from the text step).
#include <windows.h>

#include <algorithm>

#include "framework/graphics/canvas.h"
#include "ui/dropdown/dropdown_drawing.h"
#include "ui/foundation/draw_utils.h"
#include "ui/grid/model/clip_scope.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

// Gradients of the background are painted in this many bands.
constexpr int kBackGroundSteps = 128;
// The search footer's height when shown.
constexpr int kSearchFooterHeight = 32;

// Copies tiles of bitmap over rect, the first tile starting at (phaseX, phaseY) of the bitmap.
void TileBitmap(fw::TCanvas* canvas, fw::TBitmap* bitmap, const fw::TRect& rect, int phaseX, int phaseY) {
  const int w = bitmap->Width();
  const int h = bitmap->Height();
  if (w <= 0 || h <= 0) return;
  for (int y = rect.Top, sy = phaseY; y < rect.Bottom; y += h - sy, sy = 0) {
    const int rows = std::min(h - sy, rect.Bottom - y);
    for (int x = rect.Left, sx = phaseX; x < rect.Right; x += w - sx, sx = 0) {
      const int cols = std::min(w - sx, rect.Right - x);
      canvas->CopyRect(fw::TRect{x, y, x + cols, y + rows}, bitmap->Canvas(), fw::TRect{sx, sy, sx + cols, sy + rows});
    }
  }
}

}  // namespace

void TVxStringGrid::PaintBackGroundOutsideCells() {
  TBackGround* back = BackGround();
  const int lastCol = ColCount() - 1;
  const int lastRow = RowCount() - 1;
  if (lastCol < 0 || lastRow < 0) return;
  const fw::TRect colRect = CellRect(lastCol, TopRow());
  const fw::TRect rowRect = CellRect(LeftCol(), lastRow);
  const bool colVisible = !colRect.IsEmpty();
  const bool rowVisible = !rowRect.IsEmpty();
  if (!colVisible && !rowVisible) return;
  if (back->IsGradient() && back->ColorTo() == kColorNotSet) return;

  const fw::TRect client = ClientRect();
  fw::TRect area = client;
  // The search footer and the floating footer are not shown yet, so nothing is kept free for them.
  constexpr bool kSearchFooterVisible = false;
  if (kSearchFooterVisible) area.Bottom -= kSearchFooterHeight;
  fw::TCanvas* canvas = Canvas();
  ClipScope clip(canvas->Handle(), area);
  clip.Exclude(fw::TRect{client.Left, client.Top, colVisible ? colRect.Right + GridLineWidth() : client.Right,
                         rowVisible ? rowRect.Bottom + GridLineWidth() : client.Bottom});

  fw::TBitmap* bitmap = back->Bitmap();
  if (bitmap->Empty()) {
    if (back->IsGradient()) {
      ui::dropdown::DrawStepGradient(canvas, back->Color(), back->ColorTo(), back->Display() == bdGradientHorz, client,
                                     kBackGroundSteps);
    }
  } else if (back->Display() != bdTile) {
    DrawBackGroundFixed(client);
  } else if (back->Cells() != bcFixed) {
    fw::TPoint start{client.Left, client.Top};
    if (back->Cells() == bcNormal) {
      const fw::TRect first = CellRect(FixedCols(), TBaseGrid::FixedRows());
      if (!first.IsEmpty()) start = fw::TPoint{first.Left, first.Top};
    }
    DrawBackGroundTiled(fw::TRect{start.X + CellMargin().X, start.Y + CellMargin().Y, client.Right, client.Bottom});
  }
}

void TVxStringGrid::DrawBackGroundFixed(const fw::TRect& rect) {
  fw::TCanvas* canvas = Canvas();
  ClipScope clip(canvas->Handle(), rect);
  canvas->Draw(BackGround()->Left(), BackGround()->Top(), BackGround()->Bitmap());
}

void TVxStringGrid::DrawBackGroundTiled(const fw::TRect& rect) {
  TileBitmap(Canvas(), BackGround()->Bitmap(), rect, 0, 0);
}

void TVxStringGrid::DrawCellBackGroundFixed(fw::TCanvas* canvas, const fw::TRect& rect) {
  TBackGround* back = BackGround();
  fw::TBitmap* bitmap = back->Bitmap();
  const fw::TRect picture{back->Left(), back->Top(), back->Left() + bitmap->Width(), back->Top() + bitmap->Height()};
  const fw::TRect overlap{std::max(rect.Left, picture.Left), std::max(rect.Top, picture.Top),
                          std::min(rect.Right, picture.Right), std::min(rect.Bottom, picture.Bottom)};
  if (overlap.IsEmpty()) return;
  const int oldMode = SetBkMode(canvas->Handle(), TRANSPARENT);
  canvas->CopyRect(overlap, bitmap->Canvas(),
                   fw::TRect{overlap.Left - back->Left(), overlap.Top - back->Top(), overlap.Right - back->Left(),
                             overlap.Bottom - back->Top()});
  SetBkMode(canvas->Handle(), oldMode);
}

void TVxStringGrid::DrawCellBackGroundTiled(fw::TCanvas* canvas, int col, int row, const fw::TRect& rect) {
  fw::TBitmap* bitmap = BackGround()->Bitmap();
  if (bitmap->Width() <= 0 || bitmap->Height() <= 0) return;
  // The phase depends only on the columns and rows before the cell, so tiles meet across cells and stay
  // in place while scrolling.
  const bool normalOnly = BackGround()->Cells() == bcNormal;
  int phaseX = 0;
  for (int c = normalOnly ? FixedCols() : 0; c < col; ++c) phaseX += ColWidths(c);
  int phaseY = 0;
  for (int r = normalOnly ? TBaseGrid::FixedRows() : 0; r < row; ++r) phaseY += RowHeights(r);
  TileBitmap(canvas, bitmap, fw::TRect{rect.Left - 1, rect.Top - 1, rect.Right, rect.Bottom},
             phaseX % bitmap->Width(), phaseY % bitmap->Height());
}

void TVxStringGrid::DrawCellBackGroundGradient(fw::TCanvas* canvas, const fw::TRect& rect) {
  TBackGround* back = BackGround();
  const bool horizontal = back->Display() == bdGradientHorz;
  const int extent = horizontal ? ClientWidth() : ClientHeight();
  const fw::TColor from =
      ColorAtPosition(back->Color(), back->ColorTo(), 0, extent, horizontal ? rect.Left : rect.Top);
  const fw::TColor to =
      ColorAtPosition(back->Color(), back->ColorTo(), 0, extent, horizontal ? rect.Right : rect.Bottom);
  canvas->Brush()->SetColor(to);
  canvas->FillRect(rect);
  ui::dropdown::DrawStepGradient(canvas, from, to, horizontal, rect, kBackGroundSteps);
}

}  // namespace ui
