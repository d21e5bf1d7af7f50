// Copying another string grid: settings first, then the settings objects, the counts and fixed areas,
// sizes, headers and scroll settings, the cells last, so that every size lands on a line that exists.
#include <windows.h>
#include <commctrl.h>

#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::Assign(fw::TPersistent* Source) {
  auto* src = dynamic_cast<TVxStringGrid*>(Source);
  if (src == nullptr) return;
  Font()->Assign(src->Font());
  ActiveCellColor = src->ActiveCellColor;
  ActiveCellColorTo = src->ActiveCellColorTo;
  activeCellFont_->Assign(src->activeCellFont_.get());
  ActiveCellShow = src->ActiveCellShow;
  SetActiveRowShow(src->ActiveRowShow());
  SetAlign(src->Align());
  AnchorHint = src->AnchorHint;
  AutoNumAlign = src->AutoNumAlign;
  AutoSize = src->AutoSize;
  AutoThemeAdapt = src->AutoThemeAdapt;
  AutoFilterUpdate = src->AutoFilterUpdate;

  mouseActions_->Assign(src->mouseActions_.get());
  navigation_->Assign(src->navigation_.get());
  printSettings_->Assign(src->printSettings_.get());
  htmlSettings_->Assign(src->htmlSettings_.get());
  bands_->Assign(src->bands_.get());
  progressAppearance_->Assign(src->progressAppearance_.get());
  columnSize_->Assign(src->columnSize_.get());
  syncGrid_->Assign(src->syncGrid_.get());

  SetFixedRowAlways(src->FixedRowAlways());
  SetColCount(src->ColCount());
  SetRowCount(src->RowCount());
  SetFixedRows(src->FixedRows());
  SetFixedCols(src->FixedCols());
  SetDefaultColWidth(src->DefaultColWidth());
  SetDefaultRowHeight(src->DefaultRowHeight());
  SetFixedRowHeight(src->FixedRowHeight());
  SetFixedColWidth(src->FixedColWidth());
  InvalidEntryTitle = src->InvalidEntryTitle;
  InvalidEntryIcon = src->InvalidEntryIcon;
  InvalidEntryText = src->InvalidEntryText;
  SetOptions(src->Options());
  for (int col = 0; col < ColCount(); ++col) SetColWidths(col, src->ColWidths(col));
  columnHeaders_->Assign(src->columnHeaders_.get());
  for (int row = 0; row < RowCount(); ++row) SetRowHeights(row, src->RowHeights(row));

  ScrollProportional = src->ScrollProportional;
  ScrollSynch = src->ScrollSynch;
  ScrollWidth = src->ScrollWidth;
  ScrollHints = src->ScrollHints;
  ScrollBarAlways = src->ScrollBarAlways;
  SetScrollBars(src->ScrollBars());
  ScrollColor = src->ScrollColor;
  SetScrollType(src->ScrollType());
  ScrollWidth = src->ScrollWidth;

  CopyFromGrid(src);
}

// The cells travel through the whole-grid stream, which the file operations provide; until they exist no
// cell is copied.
void TVxStringGrid::CopyFromGrid(fw::TPersistent* Source) {
  if (dynamic_cast<TVxStringGrid*>(Source) == nullptr) return;
}

// A changed type switches the flat bars and the metro strips; the bars' flat style is applied again in
// every case.
void TVxStringGrid::SetScrollType(TScrollType value) {
  if (value != scrollType_) {
    scrollType_ = value;
    if (value == ssFlat || value == ssEncarta) {
      InitFlatScrollBars();
      UpdateFlatScrollBars();
    } else {
      DoneFlatScrollBars();
    }
    if (HandleAllocated() && value == ssMetro) {
      CreateMetroScrollControls();
      SetScrollBars(fw::ssNone);
    }
    if (HandleAllocated() && value != ssMetro && (vertScrollControl_ != nullptr || horzScrollControl_ != nullptr)) {
      FreeMetroScrollControls();
      SetScrollBars(fw::ssBoth);
    }
  }
  const int mode = FlatScrollBarStyle().Mode;
  if (mode < 0) return;
  SetFlatScrollProp(WSB_PROP_VSTYLE, mode, true);
  SetFlatScrollProp(WSB_PROP_HSTYLE, mode, true);
}

}  // namespace ui
