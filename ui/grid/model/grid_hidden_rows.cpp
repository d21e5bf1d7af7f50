// TVxStringGrid: hidden rows. A hidden row leaves the grid: its texts, cell objects (over every real
// column) and height move into an entry of the hidden-row store and RowCount shrinks. HideRows keeps the
// store ordered by real index outside the hide levels; HideRowList opens a new level that UnhideLastLevel
// undoes, so stacked levels come back in reverse order.
#include <algorithm>
#include <vector>

#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

// The store's entry for a real row, or null while the row is shown.
TGridItem* FindHiddenRow(const TGridItems& store, int realRow) {
  for (int i = 0; i < store.Count(); ++i) {
    if (store.Item(i)->Idx() == realRow) return store.Item(i);
  }
  return nullptr;
}

}  // namespace

void TVxStringGrid::CopyRowToItem(int row, TGridItem* item) {
  fw::TStrings* items = item->Items();
  const int cols = GetColCountEx();
  for (int col = 0; col < cols; ++col) items->AddObject(GetRawCellText(col, row), GetRawCellObject(col, row));
  item->SetHeight(row < RowCount() ? RowHeights(row) : DefaultRowHeight());
}

void TVxStringGrid::CopyItemToRow(const TGridItem* item, int row) {
  const fw::TStrings* items = item->Items();
  for (int col = 0; col < items->Count(); ++col) {
    SetRawCellText(col, row, items->Strings(col));
    SetRawCellObject(col, row, items->Objects(col));
  }
  if (row < RowCount()) SetRowHeights(row, item->Height());
}

void TVxStringGrid::CopyRowCells(int from, int to) {
  const int cols = GetColCountEx();
  for (int col = 0; col < cols; ++col) {
    SetRawCellText(col, to, GetRawCellText(col, from));
    SetRawCellObject(col, to, GetRawCellObject(col, from));
  }
}

void TVxStringGrid::EmptyRowSlots(int row) {
  const int cols = GetColCountEx();
  for (int col = 0; col < cols; ++col) {
    SetRawCellObject(col, row, nullptr);
    SetRawCellText(col, row, "");
  }
}

int TVxStringGrid::HiddenRowsBefore(int row) const {
  int count = 0;
  for (int i = 0; i < hiddenRows_->Count(); ++i) {
    if (hiddenRows_->Item(i)->Idx() < row) ++count;
  }
  return count;
}

int TVxStringGrid::RealToDisplRow(int row) const { return row - HiddenRowsBefore(row); }

int TVxStringGrid::DisplToRealRow(int row) const {
  if (hiddenRows_->Count() == 0 || row < 0) return row;
  std::vector<int> hidden;
  hidden.reserve(static_cast<std::size_t>(hiddenRows_->Count()));
  for (int i = 0; i < hiddenRows_->Count(); ++i) hidden.push_back(hiddenRows_->Item(i)->Idx());
  std::sort(hidden.begin(), hidden.end());
  int shown = 0;
  for (int real = 0;; ++real) {
    if (std::binary_search(hidden.begin(), hidden.end(), real)) continue;
    if (++shown == row + 1) return real;
  }
}

bool TVxStringGrid::IsHiddenRow(int row) const { return FindHiddenRow(*hiddenRows_, row) != nullptr; }

fw::TStrings* TVxStringGrid::RealRowHiddenStrings(int realRow) {
  TGridItem* item = FindHiddenRow(*hiddenRows_, realRow);
  return item != nullptr ? item->Items() : nullptr;
}

bool TVxStringGrid::IsHiddenRowListed(int row, std::unique_ptr<TIntList>& list) const {
  if (!list) {
    list = std::make_unique<TIntList>(0, 0);
    for (int i = 0; i < hiddenRows_->Count(); ++i) list->Add(hiddenRows_->Item(i)->Idx());
  }
  return list->HasValue(row);
}

void TVxStringGrid::HideRows(int first, int last) {
  int already = 0;
  int place = 0;
  for (int i = 0; i < hiddenRows_->Count(); ++i) {
    const int idx = hiddenRows_->Item(i)->Idx();
    if (idx >= first && idx <= last) ++already;
    if (idx < first) place = i + 1;
  }
  if (already == last - first + 1) return;
  const int shownAt = first - HiddenRowsBefore(first);

  int added = 0;
  for (int v = first; v <= last; ++v) {
    if (IsHiddenRow(v)) continue;
    TGridItem* item = hiddenRows_->InsertItem(place++);
    CopyRowToItem(shownAt + (v - first), item);
    item->SetIdx(v);
    item->SetLevel(0);
    ++added;
  }
  // Embedded controls: none are placed before cell controls exist.
  RemoveRowsInternal(shownAt, added, false);
  UpdateCellControls(false);
}

void TVxStringGrid::UnhideRows(int first, int last) {
  const bool modifiedShown = ShowModified()->Enabled();
  ShowModified()->SetEnabled(false);
  if (IsHiddenRow(first)) {
    const int at = first - HiddenRowsBefore(first);
    int count = 0;
    for (int row = first; row <= last; ++row) {
      if (IsHiddenRow(row)) ++count;
    }
    if (count > 0) {
      InsertRowsInternal(at, count, false);
      int i = 0;
      while (i < hiddenRows_->Count()) {
        TGridItem* item = hiddenRows_->Item(i);
        if (item->Idx() < first || item->Idx() > last) {
          ++i;
          continue;
        }
        CopyItemToRow(item, at + (item->Idx() - first));
        hiddenRows_->Delete(i);
      }
    }
  }
  ShowModified()->SetEnabled(modifiedShown);
  UpdateCellControls(false);
}

void TVxStringGrid::HideRowList(const TIntList& rows) {
  const int oldCount = RowCount();
  std::vector<int> heights(static_cast<std::size_t>(oldCount));
  for (int row = 0; row < oldCount; ++row) heights[static_cast<std::size_t>(row)] = RowHeights(row);

  hiddenRows_->BeginUpdate();
  for (int i = 0; i < rows.Count(); ++i) {
    const int row = rows.GetItem(i);
    TGridItem* item = hiddenRows_->AddItem();
    CopyRowToItem(row, item);
    item->SetIdx(row);
    item->SetLevel(hideLevel_);
  }
  hiddenRows_->EndUpdate();
  ++hideLevel_;

  // The rows not listed move up in order with their heights; the slots they leave behind are emptied, so
  // that every cell object sits either in one grid cell or in one store entry.
  int listed = 0;
  int to = 0;
  std::vector<int> keptHeights;
  keptHeights.reserve(heights.size());
  for (int row = 0; row < oldCount; ++row) {
    if (listed < rows.Count() && rows.GetItem(listed) == row) {
      ++listed;
      continue;
    }
    if (to != row) CopyRowCells(row, to);
    keptHeights.push_back(heights[static_cast<std::size_t>(row)]);
    ++to;
  }
  for (int row = to; row < oldCount; ++row) EmptyRowSlots(row);
  SetRowCount(oldCount - rows.Count());
  for (int row = 0; row < RowCount() && row < static_cast<int>(keptHeights.size()); ++row) {
    SetRowHeights(row, keptHeights[static_cast<std::size_t>(row)]);
  }
  UpdateCellControls(false);
}

void TVxStringGrid::UnhideLastLevel() {
  // Without an open level there is nothing to undo (the store's level-0 rows belong to node contraction).
  if (hideLevel_ <= 0) return;
  const int level = hideLevel_ - 1;
  int count = 0;
  for (int i = 0; i < hiddenRows_->Count(); ++i) {
    if (hiddenRows_->Item(i)->Level() == level) ++count;
  }
  if (Row() >= RowCount()) SelectSingleCell(FixedCols(), FixedRows());

  const int oldCount = RowCount();
  std::vector<int> heights(static_cast<std::size_t>(oldCount));
  for (int row = 0; row < oldCount; ++row) heights[static_cast<std::size_t>(row)] = RowHeights(row);
  SetRowCount(oldCount + count);

  // Refilled from the bottom: each row takes the level's entry that names it, or the next grid row from
  // above. The level's entries are taken by index, so that rows hidden by HideRows into the same level
  // (the store keeps those in index order among the others) come back at their own places.
  std::vector<const TGridItem*> entries;
  for (int i = 0; i < hiddenRows_->Count(); ++i) {
    if (hiddenRows_->Item(i)->Level() >= level) entries.push_back(hiddenRows_->Item(i));
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const TGridItem* a, const TGridItem* b) { return a->Idx() < b->Idx(); });
  int source = oldCount - 1;
  int entry = static_cast<int>(entries.size()) - 1;
  for (int target = RowCount() - 1; target >= 0; --target) {
    if (entry >= 0 && entries[static_cast<std::size_t>(entry)]->Idx() == target) {
      CopyItemToRow(entries[static_cast<std::size_t>(entry)], target);
      --entry;
    } else if (source >= 0 && source < target) {
      CopyRowCells(source, target);
      SetRowHeights(target, heights[static_cast<std::size_t>(source)]);
      --source;
    }
  }

  if (hideLevel_ < 2) {
    hiddenRows_->Clear();
  } else {
    for (int i = hiddenRows_->Count() - 1; i >= 0; --i) {
      if (hiddenRows_->Item(i)->Level() == level) hiddenRows_->Delete(i);
    }
  }
  UpdateCellControls(false);
}

void TVxStringGrid::ReturnHiddenRowObjects() {
  const int first = std::max(RowCount(), LargestRowCount());
  for (int i = 0; i < hiddenRows_->Count(); ++i) CopyItemToRow(hiddenRows_->Item(i), first + i);
  hiddenRows_->Clear();
}

}  // namespace ui
