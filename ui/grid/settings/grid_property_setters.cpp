// The grid's published property writers and what each does beyond storing the value, with the small
// operations beside them: the selection with its header repaint, adding a row and the floating footer.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "ui/foundation/html_text_routines.h"
#include "ui/foundation/theme_notifier.h"
#include "ui/grid/model/string_grid.h"
#include "ui/grid/settings/scroll_control.h"

namespace ui {

void TVxStringGrid::SetShowDesignHelper(bool value) {
  if (value == ShowDesignHelper) return;
  ShowDesignHelper = value;
  Invalidate();
}

void TVxStringGrid::SetShowModified(TShowModified* value) { showModified_->Assign(value); }

void TVxStringGrid::SetBalloon(TBalloonSettings* value) { balloon_->Assign(value); }

void TVxStringGrid::SetProgressAppearance(TGridProgressAppearance* value) { progressAppearance_->Assign(value); }

void TVxStringGrid::SetScrollBarAlways(TScrollBarAlways value) {
  ScrollBarAlways = value;
  UpdateScrollBarsAlways(false);
}

void TVxStringGrid::SetRowIndicator(fw::TBitmap* value) {
  rowIndicator_->Assign(value);
  RepaintCell(0, Row());
}

void TVxStringGrid::SetHighlightColor(fw::TColor value) {
  if (value == HighlightColor) return;
  HighlightColor = value;
  SetHighlightColors(HighlightColor, HighlightTextColor);
  Invalidate();
}

void TVxStringGrid::SetHighlightTextColor(fw::TColor value) {
  if (value == HighlightTextColor) return;
  HighlightTextColor = value;
  SetHighlightColors(HighlightColor, HighlightTextColor);
  Invalidate();
}

void TVxStringGrid::SetAutoThemeAdapt(bool value) {
  if (value == AutoThemeAdapt) return;
  AutoThemeAdapt = value;
  if (value) {
    ThemeChanged();
    Invalidate();
  }
  if (HandleAllocated() && !Loading()) RegisterThemeWindow(value);
}

void TVxStringGrid::RegisterThemeWindow(bool on) {
  TThemeNotifier* notifier = GetThemeNotifier(this);
  if (notifier == nullptr) return;
  if (on) {
    notifier->RegisterWindow(Handle());
  } else {
    notifier->UnRegisterWindow(Handle());
  }
}

void TVxStringGrid::SetActiveCellShow(bool value) {
  ActiveCellShow = value;
  Invalidate();
}

void TVxStringGrid::SetActiveCellColor(fw::TColor value) {
  ActiveCellColor = value;
  Invalidate();
}

void TVxStringGrid::SetActiveCellColorTo(fw::TColor value) {
  ActiveCellColorTo = value;
  Invalidate();
}

void TVxStringGrid::SetActiveCellFont(fw::TFont* value) {
  activeCellFont_->Assign(value);
  Invalidate();
}

void TVxStringGrid::SetScrollColor(fw::TColor value) {
  ScrollColor = value;
  if (value == kColorNotSet) return;
  const INT_PTR rgb = static_cast<INT_PTR>(fw::ColorToRGB(value));
  SetFlatScrollProp(WSB_PROP_VBKGCOLOR, rgb, true);
  SetFlatScrollProp(WSB_PROP_HBKGCOLOR, rgb, true);
}

void TVxStringGrid::SetScrollWidth(int value) {
  ScrollWidth = value;
  SetFlatScrollProp(WSB_PROP_CXVSCROLL, value, true);
  SetFlatScrollProp(WSB_PROP_CYHSCROLL, value, true);
}

void TVxStringGrid::SetScrollProportional(bool value) {
  ScrollProportional = value;
  if (value) {
    UpdateVertScrollBar();
    UpdateHorzScrollBar();
    return;
  }
  if (!flatScrollBarsOn_ || scrollType_ != ssNormal) return;
  DoneFlatScrollBars();
  if (!HandleAllocated()) return;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_PAGE;
  info.nPage = 0;
  ::SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
  ::SetScrollInfo(Handle(), SB_HORZ, &info, TRUE);
}

namespace {

// Stores a changed value and repaints; an equal value does nothing.
template <class T, class TGrid>
void StoreAndRepaint(TGrid* grid, T& field, T value) {
  if (field == value) return;
  field = value;
  grid->Invalidate();
}

}  // namespace

void TVxStringGrid::SetSelectionColorTo(fw::TColor value) { StoreAndRepaint(this, SelectionColorTo, value); }
void TVxStringGrid::SetSelectionMirrorColor(fw::TColor value) { StoreAndRepaint(this, SelectionMirrorColor, value); }
void TVxStringGrid::SetSelectionMirrorColorTo(fw::TColor value) {
  StoreAndRepaint(this, SelectionMirrorColorTo, value);
}
void TVxStringGrid::SetSelectionTextColor(fw::TColor value) { StoreAndRepaint(this, SelectionTextColor, value); }
void TVxStringGrid::SetSelectionColorMixer(bool value) { StoreAndRepaint(this, SelectionColorMixer, value); }
void TVxStringGrid::SetSelectionRectangle(bool value) { StoreAndRepaint(this, SelectionRectangle, value); }
void TVxStringGrid::SetSelectionResizer(bool value) { StoreAndRepaint(this, SelectionResizer, value); }

void TVxStringGrid::SetSelectionColorMixerFactor(int value) {
  if (value == SelectionColorMixerFactor) return;
  SelectionColorMixerFactor = std::clamp(value, 0, 100);
  Invalidate();
}

void TVxStringGrid::SetShowSelection(bool value) {
  if (value == ShowSelection) return;
  ShowSelection = value;
  ShowSelectionFlag = value;
  Invalidate();
}

// The in-place text editor takes the limit when it is made.
void TVxStringGrid::SetMaxEditLength(int value) { maxEditLength_ = value; }

void TVxStringGrid::SetVAlignment(TVAlignment value) {
  VAlignment = value;
  switch (value) {
    case vtaCenter: vAlignmentFlag_ = DT_VCENTER; break;
    case vtaBottom: vAlignmentFlag_ = DT_BOTTOM; break;
    default: vAlignmentFlag_ = DT_TOP; break;
  }
  if (updateCount_ == 0) Invalidate();
}

void TVxStringGrid::SetAutoSize(bool value) {
  AutoSize = value;
  if (value && !Loading()) AutoSizeColumns(false, 10);
}

void TVxStringGrid::SetFlat(bool value) {
  Flat = value;
  if (!Loading()) Invalidate();
}

void TVxStringGrid::SetSelection(const fw::TGridRect& rect) {
  TBaseGrid::SetSelection(rect);
  if (!ActiveCellShow) return;
  RepaintRow(0);
  RepaintCol(0);
}

void TVxStringGrid::AddRow() { SetRowCount(RowCount() + 1); }

void TVxStringGrid::UpdateFloatingFooter() { RepaintFloatingFooter(); }

}  // namespace ui
