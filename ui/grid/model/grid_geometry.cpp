// The used range, the range the file operations cover, screen-to-cell, the sizing zone and its events,
// the flat scroll bars' style and the footer row's calculation.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::GetUsedRect(fw::TRect& rect) {
  bool found = false;
  rect = fw::TRect{0, 0, 0, 0};
  for (int row = 0; row < RowCount(); ++row) {
    for (int col = 0; col < ColCount(); ++col) {
      if (GetCellEx(col, row).empty()) continue;
      if (!found) {
        rect = fw::TRect{col, row, col, row};
        found = true;
        continue;
      }
      rect.Left = std::min(rect.Left, col);
      rect.Top = std::min(rect.Top, row);
      rect.Right = std::max(rect.Right, col);
      rect.Bottom = std::max(rect.Bottom, row);
    }
  }
}

// The file range: with SaveFixedCells (or the switch of the axis) the whole axis, else the normal cells.
int TVxStringGrid::SaveColStart() const { return SaveFixedCells || SaveFixedCols ? 0 : FixedCols(); }
int TVxStringGrid::SaveRowStart() const { return SaveFixedCells || SaveFixedRows ? 0 : FixedRows(); }
int TVxStringGrid::SaveColEnd() const {
  return SaveFixedCells || SaveFixedCols ? ColCount() - 1 : ColCount() - fixedRightCols_ - 1;
}
int TVxStringGrid::SaveRowEnd() const {
  return SaveFixedCells || SaveFixedRows ? RowCount() - 1 : RowCount() - fixedFooters_ - 1;
}
int TVxStringGrid::SaveColCount() const {
  return SaveFixedCells || SaveFixedCols ? ColCount() : ColCount() - FixedCols() - fixedRightCols_;
}
int TVxStringGrid::SaveRowCount() const {
  return SaveFixedCells || SaveFixedRows ? RowCount() : RowCount() - FixedRows() - fixedFooters_;
}

void TVxStringGrid::CellAtScreenPoint(fw::TPoint point, int& col, int& row) {
  const fw::TPoint client = ScreenToClient(point);
  MouseToCell(client.X, client.Y, col, row);
}

bool TVxStringGrid::InSizingZone(int x, int y) {
  int col = -1;
  int row = -1;
  MouseToCell(x, y, col, row);
  if (col < 0 || row < 0) return false;
  const fw::TRect r = CellRectEx(col, row);
  bool inZone = false;
  if (row <= FixedRows() && Options().Contains(fw::goColSizing)) {
    inZone = std::abs(x - r.Left) < 4 || std::abs(x - r.Right) < 4;
  }
  if (col <= FixedCols() && Options().Contains(fw::goRowSizing)) {
    inZone = std::abs(y - r.Top) < 4 || std::abs(y - r.Bottom) < 4;
  }
  return inZone;
}

void TVxStringGrid::CalcSizingState(int X, int Y, fw::TGridState& State, int& Index, int& SizingPos,
                                    int& SizingOfs) {
  TBaseGrid::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs);
  int col = -1;
  int row = -1;
  MouseToCell(X - 6, Y, col, row);
  if (row >= 0 && row < FixedRows() && col >= 0 && OnColumnSize) {
    bool allow = true;
    OnColumnSize(this, col, allow);
    if (!allow) State = fw::gsNormal;
  }
  MouseToCell(X, Y - 6, col, row);
  if (col >= 0 && col < FixedCols() && row >= 0 && OnRowSize) {
    bool allow = true;
    OnRowSize(this, row, allow);
    if (!allow) State = fw::gsNormal;
  }
}

TVxStringGrid::TFlatBarStyle TVxStringGrid::FlatScrollBarStyle() const {
  TFlatBarStyle style;
  switch (scrollType_) {
    case ssNormal: style.Mode = FSB_REGULAR_MODE; break;
    case ssFlat: style.Mode = FSB_FLAT_MODE; break;
    case ssEncarta: style.Mode = FSB_ENCARTA_MODE; break;
    case ssMetro: break;
  }
  style.Background = ScrollColor;
  style.Width = ScrollWidth;
  return style;
}

void TVxStringGrid::ApplyFlatScrollBarStyle() {
  const TFlatBarStyle style = FlatScrollBarStyle();
  if (style.Mode >= 0) {
    SetFlatScrollProp(WSB_PROP_VSTYLE, style.Mode, true);
    SetFlatScrollProp(WSB_PROP_HSTYLE, style.Mode, true);
  }
  if (style.Background != kColorNotSet) {
    const INT_PTR rgb = static_cast<INT_PTR>(fw::ColorToRGB(style.Background));
    SetFlatScrollProp(WSB_PROP_VBKGCOLOR, rgb, true);
    SetFlatScrollProp(WSB_PROP_HBKGCOLOR, rgb, true);
  }
  SetFlatScrollProp(WSB_PROP_CXVSCROLL, style.Width, true);
  SetFlatScrollProp(WSB_PROP_CYHSCROLL, style.Width, true);
}

void TVxStringGrid::UpdateFooterRow(int col) { UpdateFooter(col); }

// The footer row is calculated only while a floating footer shows it as the grid's last row; no grid has
// one yet.
void TVxStringGrid::UpdateFooter(int) {}

void TVxStringGrid::RepaintFloatingFooter() {}

}  // namespace ui
