#include "framework/controls/string_grid.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/format.h"

namespace fw {

// ---- TStringGridStrings ---------------------------------------------------------------------------------

int TStringGridStrings::Count() const { return isRow_ ? grid_->ColCount() : grid_->RowCount(); }

void TStringGridStrings::Check(int index) const {
  if (index < 0 || index >= Count()) Error("List index out of bounds (%d)", index);
}

std::string TStringGridStrings::Get(int index) const {
  Check(index);
  return grid_->Cells(ColOf(index), RowOf(index));
}

void TStringGridStrings::Put(int index, const std::string& s) {
  Check(index);
  grid_->SetCells(ColOf(index), RowOf(index), s);
}

TObject* TStringGridStrings::GetObjectAt(int index) const {
  Check(index);
  return grid_->Objects(ColOf(index), RowOf(index));
}

void TStringGridStrings::PutObjectAt(int index, TObject* object) {
  Check(index);
  grid_->SetObjects(ColOf(index), RowOf(index), object);
}

void TStringGridStrings::Clear() {
  for (int i = 0; i < Count(); ++i) {
    grid_->SetCells(ColOf(i), RowOf(i), std::string());
    grid_->SetObjects(ColOf(i), RowOf(i), nullptr);
  }
}

void TStringGridStrings::Delete(int) {
  throw EStringListError("A grid's row or column has one entry per cell: entries cannot be deleted");
}

void TStringGridStrings::Insert(int, const std::string&) {
  throw EStringListError("A grid's row or column has one entry per cell: entries cannot be inserted");
}

void TStringGridStrings::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TStrings*>(Source);
  if (source == nullptr) {
    TStrings::Assign(Source);
    return;
  }
  if (source == this) return;
  // Read everything first: the source may be another line of the same grid crossing this one.
  std::vector<std::pair<std::string, TObject*>> entries;
  for (int i = 0; i < std::min(Count(), source->Count()); ++i) entries.emplace_back(source->Strings(i), source->Objects(i));
  for (int i = 0; i < Count(); ++i) {
    const bool given = i < static_cast<int>(entries.size());
    grid_->SetCells(ColOf(i), RowOf(i), given ? entries[static_cast<size_t>(i)].first : std::string());
    grid_->SetObjects(ColOf(i), RowOf(i), given ? entries[static_cast<size_t>(i)].second : nullptr);
  }
}

// ---- TStringGrid ----------------------------------------------------------------------------------------

void TStringGrid::SetCells(int ACol, int ARow, const std::string& value) {
  store_.SetText(ACol, ARow, value);
  InvalidateCell(ACol, ARow);
}

TStrings* TStringGrid::Lines(std::map<int, std::unique_ptr<TStringGridStrings>>& lines, int index, bool isRow) {
  if (index < 0) throw EListError(Format("List index out of bounds (%d)", index));
  auto& list = lines[index];
  if (!list) list = std::make_unique<TStringGridStrings>(this, index, isRow);
  return list.get();
}

TStrings* TStringGrid::Rows(int ARow) { return Lines(rowLists_, ARow, true); }
TStrings* TStringGrid::Cols(int ACol) { return Lines(colLists_, ACol, false); }

void TStringGrid::DeleteRow(int ARow) {
  CheckRow(ARow);
  store_.DeleteRow(ARow);
  TDrawGrid::DeleteRow(ARow);
}

void TStringGrid::DeleteColumn(int ACol) {
  CheckCol(ACol);
  store_.DeleteColumn(ACol);
  TDrawGrid::DeleteColumn(ACol);
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
  store_.MoveColumn(FromIndex, ToIndex);
  TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex) {
  store_.MoveRow(FromIndex, ToIndex);
  TDrawGrid::RowMoved(FromIndex, ToIndex);
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (DefaultDrawing()) Canvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
  TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

}  // namespace fw
