// TVxStringGrid: push and expand buttons, in-cell scroll bars and the events of ratings and pickers.
#include "framework/rtl/arith.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

constexpr fw::TRect kNoRect{0, 0, 0, 0};

}  // namespace

// ---- Push and expand buttons -----------------------------------------------------------------------------

void TVxStringGrid::SetButtonDown(int displayCol, int row, bool down) {
  TCellGraphic* graphic = GetCellGraphic(DisplToRealCol(displayCol), row);
  if (graphic == nullptr || graphic->CellType == ctNode) return;
  graphic->CellBoolean = down;
  RepaintCell(displayCol, row);
}

fw::TRect TVxStringGrid::GetCellGraphicRect(int displayCol, int row) {
  const TCellGraphic* graphic = GetCellGraphic(DisplToRealCol(displayCol), row);
  if (graphic == nullptr) return kNoRect;
  const fw::TRect cell = CellRectEx(displayCol, row);
  const auto offset = static_cast<std::uint32_t>(fw::Round(graphic->CellValue));
  fw::TRect r;
  r.Left = cell.Left + static_cast<int>(offset & 0xFFFFu);
  r.Top = cell.Top + static_cast<int>((offset >> 16) & 0xFFFFu);
  r.Right = r.Left + (graphic->CellIndex & 0xFFFF);
  r.Bottom = r.Top + ((graphic->CellIndex >> 16) & 0xFFFF);
  if (graphic->CellVAlign == vaFull) {
    r.Top = cell.Top;
    r.Bottom = cell.Bottom;
  }
  if (graphic->CellHAlign == haFull) {
    r.Left = cell.Left;
    r.Right = cell.Right;
  }
  return r;
}

fw::TRect TVxStringGrid::GetExpandRect(int col, int row) {
  if (!IsExpand(col, row)) return kNoRect;
  const fw::TPoint base = BaseCellOf(col, row);
  const fw::TRect cell = CellRectEx(RealToDisplCol(base.X), base.Y);
  return fw::TRect{cell.Right - 13, cell.Top + 2, cell.Right - 2, cell.Top + 13};
}

bool TVxStringGrid::ToggleExpand(int col, int row) {
  if (col < 0 || row < 0) return false;
  const fw::TPoint base = BaseCellOf(col, row);
  TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
  if (graphic == nullptr) return false;
  const bool expanded = !graphic->CellVariantValue.AsBoolean();
  graphic->CellVariantValue = expanded;
  return expanded;
}

int TVxStringGrid::GetExpandHeight(int col, int row, bool expanded) {
  const fw::TPoint base = BaseCellOf(col, row);
  const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
  if (graphic == nullptr) return DefaultRowHeight();
  return expanded ? graphic->CellAngle : graphic->CellIndex;
}

// ---- In-cell scroll bars ---------------------------------------------------------------------------------

void TVxStringGrid::SetScrollBarPosition(int col, int row, int position) {
  if (!IsScrollBarCell(col, row)) return;
  const fw::TPoint base = BaseCellOf(col, row);
  GetCellGraphic(base.X, base.Y)->CellIndex = position;
  RepaintCell(RealToDisplCol(base.X), base.Y);
}

int TVxStringGrid::GetScrollBarPosition(int col, int row) {
  if (!IsScrollBarCell(col, row)) return -1;
  const fw::TPoint base = BaseCellOf(col, row);
  return GetCellGraphic(base.X, base.Y)->CellIndex;
}

void TVxStringGrid::SetScrollBarRange(int col, int row, TScrollBarRange range) {
  if (!IsScrollBarCell(col, row)) return;
  const fw::TPoint base = BaseCellOf(col, row);
  TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
  graphic->CellAngle = range.Minimum;
  graphic->CellErrFrom = range.Maximum;
}

TScrollBarRange TVxStringGrid::GetScrollBarRange(int col, int row) {
  if (!IsScrollBarCell(col, row)) return TScrollBarRange{-1, -1};
  const fw::TPoint base = BaseCellOf(col, row);
  const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
  return TScrollBarRange{graphic->CellAngle, graphic->CellErrFrom};
}

// ---- Events of cell objects ------------------------------------------------------------------------------

bool TVxStringGrid::RatingChange(int col, int row, double& newRate) {
  bool allow = true;
  if (OnRatingChange) OnRatingChange(this, col, row, newRate, allow);
  return allow;
}

void TVxStringGrid::ColorSelect() {
  if (!OnColorSelect) return;
  // The colour picker editor reports its selection here once it exists; without one there is nothing
  // chosen to report.
  if (GetColorDropDownEditor() == nullptr) return;
}

void TVxStringGrid::ImageSelect() {
  if (!OnImageSelect) return;
  if (GetImageDropDownEditor() == nullptr) return;
}

}  // namespace ui
