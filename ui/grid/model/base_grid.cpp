#include "ui/grid/model/base_grid.h"

#include <windows.h>

#include <algorithm>

#include "framework/graphics/canvas.h"
#include "framework/graphics/colors.h"
#include "ui/foundation/banded_gradient.h"

namespace ui {

namespace {

// The look's fixed-cell gradient: white to the button face.
constexpr fw::TColor kFixedGradientFrom = 0xFFFFFF;

}  // namespace

TBaseGrid::TBaseGrid(fw::TComponent* AOwner) : fw::TCustomControl(AOwner) {
  fixedColor_ = fw::clBtnFace;
  fixedFont_.Assign(Font());
  SetColor(fw::clWindow);
  ResizeStore(colCount_, rowCount_);
}

TBaseGrid::~TBaseGrid() = default;

// ---- Size ----------------------------------------------------------------------------------------------

void TBaseGrid::ResizeStore(int cols, int rows) {
  texts_.resize(static_cast<std::size_t>(rows));
  props_.resize(static_cast<std::size_t>(rows));
  for (int r = 0; r < rows; ++r) {
    texts_[static_cast<std::size_t>(r)].resize(static_cast<std::size_t>(cols));
    props_[static_cast<std::size_t>(r)].resize(static_cast<std::size_t>(cols));
  }
  colWidths_.resize(static_cast<std::size_t>(cols), defaultColWidth_);
  rowHeights_.resize(static_cast<std::size_t>(rows), defaultRowHeight_);
  colCount_ = cols;
  rowCount_ = rows;
  col_ = std::min(std::max(col_, fixedCols_), cols - 1);
  row_ = std::min(std::max(row_, fixedRows_), rows - 1);
  Invalidate();
}

void TBaseGrid::SetColCount(int value) {
  value = std::max(value, 1);
  if (value <= fixedCols_) fixedCols_ = value - 1;
  ResizeStore(value, rowCount_);
}

void TBaseGrid::SetRowCount(int value) {
  value = std::max(value, 1);
  if (value <= fixedRows_) fixedRows_ = value - 1;
  ResizeStore(colCount_, value);
}

void TBaseGrid::SetFixedCols(int value) {
  if (value < 0 || value >= colCount_) throw EVxGridError("Fixed column count must be less than column count");
  fixedCols_ = value;
  col_ = std::max(col_, fixedCols_);
  Invalidate();
}

void TBaseGrid::SetFixedRows(int value) {
  if (value < 0 || value >= rowCount_) throw EVxGridError("Fixed row count must be less than row count");
  fixedRows_ = value;
  row_ = std::max(row_, fixedRows_);
  Invalidate();
}

void TBaseGrid::SetDefaultColWidth(int value) {
  defaultColWidth_ = value;
  std::fill(colWidths_.begin(), colWidths_.end(), value);
  Invalidate();
}

void TBaseGrid::SetDefaultRowHeight(int value) {
  defaultRowHeight_ = value;
  std::fill(rowHeights_.begin(), rowHeights_.end(), value);
  Invalidate();
}

std::size_t TBaseGrid::ColumnIndex(int col) const {
  if (col < 0 || col >= colCount_) throw EVxGridError("Invalid column index");
  return static_cast<std::size_t>(col);
}

std::size_t TBaseGrid::RowIndex(int row) const {
  if (row < 0 || row >= rowCount_) throw EVxGridError("Invalid row index");
  return static_cast<std::size_t>(row);
}

int TBaseGrid::ColWidths(int col) const { return colWidths_[ColumnIndex(col)]; }

void TBaseGrid::SetColWidths(int col, int width) {
  colWidths_[ColumnIndex(col)] = width;
  Invalidate();
}

int TBaseGrid::RowHeights(int row) const { return rowHeights_[RowIndex(row)]; }

void TBaseGrid::SetRowHeights(int row, int height) {
  rowHeights_[RowIndex(row)] = height;
  Invalidate();
}

// ---- Cells ---------------------------------------------------------------------------------------------

bool TBaseGrid::InGrid(int col, int row) const { return col >= 0 && col < colCount_ && row >= 0 && row < rowCount_; }

const TCellProperties* TBaseGrid::Props(int col, int row) const {
  if (!InGrid(col, row)) return nullptr;
  return props_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)].get();
}

bool TBaseGrid::HasCellProperties(int col, int row) const { return Props(col, row) != nullptr; }

TCellProperties* TBaseGrid::GetCellProperties(int col, int row) {
  if (!InGrid(col, row)) throw EVxGridError("Invalid cell");
  auto& slot = props_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
  if (!slot) {
    slot = std::make_unique<TCellProperties>();
    slot->OwnerCol = col;
    slot->OwnerRow = row;
  }
  return slot.get();
}

fw::TPoint TBaseGrid::BaseCellOf(int col, int row) const {
  const TCellProperties* p = Props(col, row);
  if (p != nullptr && !p->IsBaseCell && p->CellSpanX != -1 && p->CellSpanY != -1) {
    return fw::TPoint{col - p->CellSpanX, row - p->CellSpanY};
  }
  return fw::TPoint{col, row};
}

bool TBaseGrid::IsMergedCell(int col, int row) const {
  const TCellProperties* p = Props(col, row);
  return p != nullptr && (p->CellSpanX > 0 || p->CellSpanY > 0);
}

fw::TPoint TBaseGrid::CellSpan(int col, int row) const {
  const TCellProperties* p = Props(col, row);
  if (p == nullptr || p->CellSpanX == -1 || p->CellSpanY == -1) return fw::TPoint{0, 0};
  const fw::TPoint base = BaseCellOf(col, row);
  const TCellProperties* b = Props(base.X, base.Y);
  return b != nullptr ? fw::TPoint{b->CellSpanX, b->CellSpanY} : fw::TPoint{0, 0};
}

void TBaseGrid::MergeCells(int col, int row, int colCount, int rowCount) {
  ++mergedAreaCount_;
  for (int c = col; c < col + colCount; ++c) {
    for (int r = row; r < row + rowCount; ++r) {
      TCellProperties* p = GetCellProperties(c, r);
      const bool base = c == col && r == row;
      p->IsBaseCell = base;
      p->CellSpanX = base ? colCount - 1 : c - col;
      p->CellSpanY = base ? rowCount - 1 : r - row;
    }
  }
  for (int c = col; c < col + colCount; ++c) {
    for (int r = row; r < row + rowCount; ++r) InvalidateCellArea(c, r);
  }
}

void TBaseGrid::UnmergeCells(int col, int row) {
  const fw::TPoint base = BaseCellOf(col, row);
  TCellProperties* b = GetCellProperties(base.X, base.Y);
  const int spanX = std::max(b->CellSpanX, 0);
  const int spanY = std::max(b->CellSpanY, 0);
  for (int c = base.X; c <= base.X + spanX; ++c) {
    for (int r = base.Y; r <= base.Y + spanY; ++r) {
      TCellProperties* p = GetCellProperties(c, r);
      p->IsBaseCell = true;
      p->CellSpanX = p->CellSpanY = -1;
      InvalidateCellArea(c, r);
    }
  }
  --mergedAreaCount_;
}

fw::TPoint TBaseGrid::TextCellOf(int col, int row) const {
  const fw::TPoint base = BaseCellOf(col, row);
  if (!InGrid(base.X, base.Y)) throw EVxGridError("Invalid cell");
  return base;
}

std::string TBaseGrid::GetCellEx(int col, int row) const {
  const fw::TPoint base = TextCellOf(col, row);
  return texts_[static_cast<std::size_t>(base.Y)][static_cast<std::size_t>(base.X)];
}

void TBaseGrid::SetCellEx(int col, int row, const std::string& text) {
  const fw::TPoint base = TextCellOf(col, row);
  texts_[static_cast<std::size_t>(base.Y)][static_cast<std::size_t>(base.X)] = text;
  InvalidateCellArea(base.X, base.Y);
}

// ---- Geometry ------------------------------------------------------------------------------------------

fw::TRect TBaseGrid::CellRectFromSizes(int col, int row) const {
  int x = 0;
  for (int c = 0; c < col; ++c) x += colWidths_[static_cast<std::size_t>(c)];
  int y = 0;
  for (int r = 0; r < row; ++r) y += rowHeights_[static_cast<std::size_t>(r)];
  return fw::TRect{x, y, x + colWidths_[static_cast<std::size_t>(col)], y + rowHeights_[static_cast<std::size_t>(row)]};
}

fw::TRect TBaseGrid::CellRectEx(int col, int row) const {
  fw::TRect rect = CellRectFromSizes(col, row);
  const TCellProperties* p = Props(col, row);
  if (p != nullptr && p->IsBaseCell && (p->CellSpanX > 0 || p->CellSpanY > 0)) {
    const fw::TRect last = CellRectFromSizes(std::min(col + p->CellSpanX, colCount_ - 1),
                                            std::min(row + p->CellSpanY, rowCount_ - 1));
    rect.Right = last.Right;
    rect.Bottom = last.Bottom;
  }
  return rect;
}

bool TBaseGrid::IsFixed(int col, int row) const {
  const fw::TPoint base = BaseCellOf(col, row);
  return base.X < fixedCols_ || base.Y < fixedRows_;
}

void TBaseGrid::InvalidateCellArea(int col, int row) {
  if (!HandleAllocated()) return;
  const RECT r = CellRectEx(col, row).ToRECT();
  InvalidateRect(Handle(), &r, TRUE);
}

// ---- Look ----------------------------------------------------------------------------------------------

void TBaseGrid::SetGridLineWidth(int value) {
  gridLineWidth_ = value;
  Invalidate();
}

void TBaseGrid::SetGridLineColor(fw::TColor value) {
  gridLineColor_ = value;
  Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(fw::TColor value) {
  gridFixedLineColor_ = value;
  Invalidate();
}

void TBaseGrid::SetFixedColor(fw::TColor value) {
  fixedColor_ = value;
  Invalidate();
}

void TBaseGrid::SetSelectionColor(fw::TColor value) {
  selectionColor_ = value;
  Invalidate();
}

// ---- Painting ------------------------------------------------------------------------------------------

void TBaseGrid::Paint() {
  fw::TCanvas* canvas = Canvas();
  canvas->Pen()->SetStyle(fw::psSolid);
  canvas->Brush()->SetStyle(fw::bsSolid);
  canvas->Brush()->SetColor(Color());
  const fw::TRect client{0, 0, Width(), Height()};
  canvas->FillRect(client);
  int y = 0;
  for (int r = 0; r < rowCount_ && y < client.Bottom; ++r) {
    int x = 0;
    const int h = rowHeights_[static_cast<std::size_t>(r)];
    for (int c = 0; c < colCount_ && x < client.Right; ++c) {
      const int w = colWidths_[static_cast<std::size_t>(c)];
      fw::TGridDrawState state;
      if (c == col_ && r == row_) {
        state.Include(fw::gdSelected);
        if (Focused()) state.Include(fw::gdFocused);
      }
      DrawCell(c, r, fw::TRect{x, y, x + w, y + h}, state);
      x += w;
    }
    y += h;
  }
  ++paintPass_;
}

void TBaseGrid::DrawCell(int col, int row, const fw::TRect& cellRect, fw::TGridDrawState state) {
  // A merged area is painted once per pass, from its base cell, over the whole area.
  const TCellProperties* own = Props(col, row);
  if (own != nullptr && !own->IsBaseCell) {
    const fw::TPoint base = BaseCellOf(col, row);
    TCellProperties* b = GetCellProperties(base.X, base.Y);
    if (b->LastPaintPass == paintPass_) return;
    b->LastPaintPass = paintPass_;
    DrawCell(base.X, base.Y, CellRectFromSizes(base.X, base.Y), state);
    return;
  }
  const bool fixed = IsFixed(col, row);
  if (fixed) state = fw::TGridDrawState{fw::gdFixed};
  // The paint loop's rectangle, or the whole area for a merged base cell.
  const bool mergedBase = own != nullptr && (own->CellSpanX > 0 || own->CellSpanY > 0);
  const fw::TRect rect = mergedBase ? CellRectEx(col, row) : cellRect;
  if (mergedBase) GetCellProperties(col, row)->LastPaintPass = paintPass_;

  fw::TCanvas* canvas = Canvas();
  canvas->Pen()->SetWidth(1);
  canvas->Font()->Assign(fixed ? &fixedFont_ : Font());
  // Background: the look's gradient for fixed cells, the selection colour for the current cell.
  if (fixed) {
    FillBandedGradient(canvas, kFixedGradientFrom, static_cast<fw::TColor>(fw::ColorToRGB(fixedColor_)), false, rect,
                       64, fw::clNone);
  } else {
    canvas->Brush()->SetColor(state.Contains(fw::gdSelected) ? selectionColor_ : Color());
    canvas->FillRect(rect);
  }

  // Grid lines along the right and bottom edges.
  const int lineWidth = fixed ? 1 : gridLineWidth_;
  if (fixed || gridLineWidth_ > 0) {
    const int h = fixed ? 1 : (gridLineWidth_ + 1) / 2;
    canvas->Pen()->SetColor(fixed ? gridFixedLineColor_ : gridLineColor_);
    canvas->Pen()->SetWidth(lineWidth);
    canvas->MoveTo(rect.Left - h + 1, rect.Bottom - h);
    canvas->LineTo(rect.Right - h + 1, rect.Bottom - h);
    canvas->MoveTo(rect.Right - h, rect.Bottom - h);
    canvas->LineTo(rect.Right - h, rect.Top - h);
    canvas->Pen()->SetWidth(1);
  }

  fw::TRect content = rect;
  if (fixed) {
    content.Right -= 1;
    content.Bottom -= 2;
  } else {
    content = fw::TRect{rect.Left + gridLineWidth_, rect.Top + gridLineWidth_, rect.Right - gridLineWidth_,
                        rect.Bottom - gridLineWidth_};
  }
  PaintCellContent(canvas, col, row, content, state);
  canvas->Brush()->SetStyle(fw::bsSolid);
  canvas->Pen()->SetStyle(fw::psSolid);
}

void TBaseGrid::PaintCellContent(fw::TCanvas* canvas, int col, int row, const fw::TRect& rect, fw::TGridDrawState) {
  RECT r = rect.ToRECT();
  const std::string text = GetCellEx(col, row);
  canvas->Brush()->SetStyle(fw::bsClear);
  DrawTextA(canvas->Handle(), text.c_str(), static_cast<int>(text.size()), &r,
            DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
}

}  // namespace ui
