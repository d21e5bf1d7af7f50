// The multi-column drop-down's list: the grid made with the pop-up, filled at each opening (column widths,
// automatic widths, word-wrap heights), the pop-up's width and the columns scaled to it, the row that
// follows the list while it is open, picking and closing, and the row moves of the edit's keys.
#include <windows.h>

#include <algorithm>

#include "framework/controls/draw_text.h"
#include "framework/rtl/arith.h"
#include "ui/dropdown/dropdown_drawing.h"
#include "ui/dropdown/dropdown_form.h"
#include "ui/dropdown/multi_column_dropdown.h"

namespace ui {

namespace {

// The smallest height of a data row once any column wraps its texts.
constexpr int kMinWrappedRowHeight = 24;
// The rows a page move steps.
constexpr int kPageRows = 10;

}  // namespace

// ---- the pop-up ----

void TVxMultiColumnDropDown::CreateDropDownForm() {
  TVxCustomDropDown::CreateDropDownForm();
  if (DropDownForm() == nullptr) return;
  if (grid_ == nullptr) {
    grid_ = fw::Create<TMultiColumnGrid>(this);
    grid_->SetParent(DropDownForm());
  }
  grid_->SetDropDown(this);
  grid_->SetBounds(0, 0, grid_->Width(), 180);
  grid_->SetColor(DropDownColor());
  grid_->SetDoubleBuffered(true);
}

void TVxMultiColumnDropDown::PlaceDropDownControl() {
  SetControl(grid_);
  TVxCustomDropDown::PlaceDropDownControl();
}

void TVxMultiColumnDropDown::BeforeDropDown() {
  TVxCustomDropDown::BeforeDropDown();
  // Closing by deactivation keeps the chosen row.
  if (DropDownForm() != nullptr) DropDownForm()->SetCancelOnDeactivate(false);
  showing_ = true;
  if (grid_ != nullptr) {
    FillList();
    fw::TGridOptions options = grid_->Options();
    options.Include(fw::goThumbTracking);
    grid_->SetOptions(options);
    grid_->SetColor(DropDownColor());
    grid_->OnSelectCell = [this](fw::TObject*, int, int ARow, bool&) { RowSelected(ARow); };
    grid_->OnSelect = [this](fw::TObject*) { RowPicked(); };
    int row = itemIndex_ + 1;
    if (row < grid_->FixedRows()) row = 1;
    if (row < grid_->RowCount()) grid_->SetRow(row);
  }
  oldItemIndex_ = itemIndex_;
}

void TVxMultiColumnDropDown::FillList() {
  TMultiColumnGrid& grid = *grid_;
  grid.SetColumns(columns_.get());
  const int columns = columns_->Count();
  const int rows = items_->Count() + 1;
  grid.SetColCount(columns);
  grid.SetRowCount(rows);
  if (grid.RowCount() > 1) {
    grid.SetFixedRows(1);
    grid.SetRow(1);
    grid.SetRowCount(rows);
  }
  for (int c = 0; c < columns && c < grid.ColCount(); ++c) grid.SetColWidths(c, columns_->Items(c)->Width());
  grid.SetLineColor(lineColor_);
  grid.SetFixedLineColor(fixedLineColor_);
  grid.SetHeaderColor(headerColor_);
  grid.SetHeaderColorTo(headerColorTo_);
  grid.SetHeaderHeight(headerHeight_);
  grid.SetHeaderFont(headerFont_.get());
  grid.SetImages(Images());
  grid.SetDefaultRowHeight(dropDownRowHeight_);
  grid.SetRowHeights(0, headerHeight_);
  fw::TGridOptions options = grid.Options();
  if (columnSizing_) {
    options.Include(fw::goColSizing);
  } else {
    options.Exclude(fw::goColSizing);
  }
  grid.SetOptions(options);
  AutoSizeColumns();
  WordWrapHeights();
}

void TVxMultiColumnDropDown::AutoSizeColumns() {
  TMultiColumnGrid& grid = *grid_;
  if (grid.Parent() != DropDownForm() || DropDownForm() == nullptr) return;
  fw::TCanvas* canvas = DropDownForm()->Canvas();
  TDropDownColumns* columns = grid.Columns();
  for (int c = 0; c < columns->Count() && c < grid.ColCount(); ++c) {
    TDropDownColumn* column = columns->Items(c);
    if (!column->AutoSize()) continue;
    canvas->SetFont(column->Font());
    int width = 0;
    for (int r = 1; r < grid.RowCount(); ++r) {
      const TDropDownItem* item = r - 1 < items_->Count() ? items_->Items(r - 1) : nullptr;
      const std::string text = item != nullptr ? item->Line(c) : std::string();
      const int image = item != nullptr && column->ColumnType() == ctImage ? item->ImageIndex() : -1;
      int cell = image >= 0 && grid.Images() != nullptr ? grid.Images()->Width() + 4 : 0;
      if (!text.empty()) {
        SIZE size{};
        dropdown::GetTextSize(canvas, text, size);
        cell += size.cx + 6;
      }
      width = std::max(width, cell);
    }
    column->SetWidth(width);
    grid.SetColWidths(c, width);
  }
}

void TVxMultiColumnDropDown::WordWrapHeights() {
  TMultiColumnGrid& grid = *grid_;
  if (grid.Parent() != DropDownForm() || DropDownForm() == nullptr) return;
  TDropDownColumns* columns = grid.Columns();
  bool wraps = false;
  for (int c = 0; c < columns->Count(); ++c) wraps = wraps || columns->Items(c)->Wordwrap();
  if (!wraps) return;
  fw::TCanvas* canvas = DropDownForm()->Canvas();
  for (int r = grid.FixedRows(); r < grid.RowCount(); ++r) {
    const TDropDownItem* item = r - 1 >= 0 && r - 1 < items_->Count() ? items_->Items(r - 1) : nullptr;
    int height = kMinWrappedRowHeight;
    for (int c = 0; c < columns->Count() && c < grid.ColCount(); ++c) {
      TDropDownColumn* column = columns->Items(c);
      if (!column->Wordwrap()) continue;
      const std::string text = item != nullptr ? item->Line(c) : std::string();
      const int image = item != nullptr && column->ColumnType() == ctImage ? item->ImageIndex() : -1;
      int cell = image >= 0 && grid.Images() != nullptr ? grid.Images()->Height() + 6 : 0;
      if (!text.empty()) {
        canvas->SetFont(column->Font());
        const fw::TRect measured =
            fw::DrawCanvasText(canvas, text, fw::TRect{0, 0, grid.ColWidths(c), 500}, DT_CALCRECT | DT_WORDBREAK);
        cell = std::max(cell, measured.Height() + 6);
      }
      height = std::max(height, cell);
    }
    grid.SetRowHeights(r, height);
  }
}

void TVxMultiColumnDropDown::ShowDropDown() {
  TVxCustomDropDown::ShowDropDown();
  if (grid_ != nullptr && DropDownForm() != nullptr && DropDownForm()->Visible()) {
    ScaleColumns();
    if (grid_->RowCount() > 1) {
      const int row = itemIndex_ < 0 ? 1 : itemIndex_ + 1;
      if (row < grid_->RowCount()) grid_->SetRow(row);
      const fw::TRect cell = grid_->CellRect(0, grid_->Row());
      // Out of view: the current row becomes the last visible one.
      if (cell.Left == 0 && cell.Top == 0) grid_->SetTopRow(grid_->Row() - grid_->VisibleRowCount() + 1);
    }
  }
  showing_ = false;
}

void TVxMultiColumnDropDown::SizeDropDownForm() {
  TVxCustomDropDown::SizeDropDownForm();
  if (!dropDownAutoWidth_ || DropDownForm() == nullptr || grid_ == nullptr) return;
  // The grid has no border of its own: the table is as wide as its columns.
  int width = 0;
  for (int c = 0; c < grid_->ColCount(); ++c) width += grid_->ColWidths(c);
  if (grid_->VisibleRowCount() + grid_->FixedRows() != grid_->RowCount()) width += GetSystemMetrics(SM_CXVSCROLL);
  grid_->SetAlign(fw::alNone);
  grid_->SetWidth(width);
  DropDownForm()->SetWidth(grid_->Width() + 2 * DropDownBorderWidth());
  grid_->SetAlign(fw::alClient);
}

void TVxMultiColumnDropDown::DropDownFormSizing() { ScaleColumns(); }

void TVxMultiColumnDropDown::ScaleColumns() {
  if (!columnSizeWithDropDown_ || grid_ == nullptr || DropDownForm() == nullptr) return;
  grid_->SetScrollBars(fw::ssVertical);
  TDropDownColumns* columns = grid_->Columns();
  if (columns->Count() == 0) return;
  int total = 1;
  for (int c = 0; c < columns->Count(); ++c) total += columns->Items(c)->Width();
  int available = DropDownForm()->Width();
  if (grid_->VisibleRowCount() < grid_->RowCount() - grid_->FixedRows()) available -= GetSystemMetrics(SM_CXVSCROLL);
  const double factor = static_cast<double>(available) / total;
  // Each column is rounded; the rounding error runs on, and a column takes one pixel more whenever it
  // passes a whole pixel.
  double error = 0.0;
  for (int c = 0; c < columns->Count() && c < grid_->ColCount(); ++c) {
    const double exact = factor * columns->Items(c)->Width();
    const int rounded = static_cast<int>(fw::Round(exact));
    error += exact - rounded;
    if (error > 1.0) {
      grid_->SetColWidths(c, rounded + 1);
      error -= 1.0;
    } else {
      grid_->SetColWidths(c, rounded);
    }
  }
}

// ---- the row while the list is open ----

void TVxMultiColumnDropDown::RowSelected(int Row) {
  if (grid_ == nullptr || grid_->WheelFlag() || showing_) return;
  SetItemIndex(Row - 1);
}

void TVxMultiColumnDropDown::RowPicked() {
  if (grid_ != nullptr && grid_->ConfirmFlag()) SetItemIndex(grid_->Row() - 1);
  HideDropDown(false);
  if (OnSelect) OnSelect(this);
}

void TVxMultiColumnDropDown::HideDropDown(bool Cancel) {
  if (DropDownForm() == nullptr || !DropDownForm()->Visible()) {
    TVxCustomDropDown::HideDropDown(Cancel);
    return;
  }
  TVxCustomDropDown::HideDropDown(Cancel);
  if (Cancel) {
    SetItemIndex(oldItemIndex_);
    return;
  }
  if (grid_ != nullptr && grid_->ConfirmFlag()) SetItemIndex(grid_->Row() - 1);
  oldItemIndex_ = itemIndex_;
}

// ---- the row moves of the edit's keys and the wheel ----

void TVxMultiColumnDropDown::SelectNextItem() {
  TVxCustomDropDown::SelectNextItem();
  const int count = items_->Count();
  if (count <= 0) return;
  if (itemIndex_ < 0) {
    SetItemIndex(0);
  } else if (itemIndex_ + 1 < count) {
    SetItemIndex(itemIndex_ + 1);
  }
}

void TVxMultiColumnDropDown::SelectPreviousItem() {
  TVxCustomDropDown::SelectPreviousItem();
  if (items_->Count() < 1) return;
  if (itemIndex_ < 0) {
    SetItemIndex(0);
  } else if (itemIndex_ - 1 >= 0) {
    SetItemIndex(itemIndex_ - 1);
  }
}

void TVxMultiColumnDropDown::SelectPageDown() {
  const int count = items_->Count();
  if (count <= 0) return;
  SetItemIndex(itemIndex_ < 0 ? 0 : std::min(itemIndex_ + kPageRows, count - 1));
}

void TVxMultiColumnDropDown::SelectPageUp() {
  if (items_->Count() <= 0) return;
  SetItemIndex(itemIndex_ < 0 ? 0 : std::max(itemIndex_ - kPageRows, 0));
}

void TVxMultiColumnDropDown::SelectFirst() {
  if (items_->Count() > 0) SetItemIndex(0);
}

void TVxMultiColumnDropDown::SelectLast() {
  if (items_->Count() > 0) SetItemIndex(items_->Count() - 1);
}

}  // namespace ui
