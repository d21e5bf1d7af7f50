// The column and row header lists that fill the first fixed row and column, the lookup items and the
// fixed font.
#include "ui/foundation/text_utils.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

// A header item's backslash-n sequences become line breaks in the cell.
std::string HeaderText(const std::string& item) {
  std::string text;
  DecodeNewLineEscapes(item, text);
  return text;
}

}  // namespace

void TVxStringGrid::SetColumnHeaders(fw::TStrings* value) {
  columnHeaders_->Assign(value);
  if (FixedRows() > 0) EmptyColumnHeaderCells();
  WriteColumnHeaders();
}

void TVxStringGrid::ColumnHeaderListChanged() {
  ColumnHeadersChanged();
  WriteColumnHeaders();
}

void TVxStringGrid::ColumnHeadersChanged() {}

void TVxStringGrid::EmptyColumnHeaderCells() {
  for (int col = 0; col < ColCount(); ++col) SetCellEx(col, 0, "");
}

void TVxStringGrid::WriteColumnHeaders() {
  if (FixedRows() <= 0) return;
  const int count = std::min(columnHeaders_->Count(), GetColCountEx());
  for (int i = 0; i < count; ++i) SetCellEx(i, 0, HeaderText(columnHeaders_->Strings(i)));
}

void TVxStringGrid::SetRowHeaders(fw::TStrings* value) {
  rowHeaders_->Assign(value);
  if (ComponentState().Contains(fw::csDesigning) && FixedCols() > 0) EmptyRowHeaderCells();
  WriteRowHeaders();
}

void TVxStringGrid::EmptyRowHeaderCells() {
  for (int row = 0; row < RowCount(); ++row) SetCellEx(0, row, "");
}

void TVxStringGrid::WriteRowHeaders() {
  if (FixedCols() <= 0) return;
  const int count = std::min(rowHeaders_->Count(), RowCount());
  for (int i = 0; i < count; ++i) SetCellEx(0, i, HeaderText(rowHeaders_->Strings(i)));
}

void TVxStringGrid::SetLookupItems(fw::TStrings* value) {
  if (value != nullptr) lookupItems_->Assign(value);
}

void TVxStringGrid::SetFixedFont(fw::TFont* value) {
  fixedFont_->Assign(value);
  Invalidate();
}

}  // namespace ui
