// The grid's window: its creation (timer, theme flag, wheel settings), loading, repaint, resizing, the
// whole-row height, the border colour and the scroll bars kept shown.
#include <windows.h>

#include "framework/forms/form.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::CreateWnd() {
  if (ComponentState().Contains(fw::csDestroying)) return;
  TBaseGrid::CreateWnd();
  if (Parent() == nullptr) return;
  if (scrollType_ == ssMetro) CreateMetroScrollControls();
  // Ticks are handled by the grid's window procedure.
  SetTimer(Handle(), kGridTimer, 500, nullptr);
  // Visual styles are in use only where themes are active.
  platform_.WinXP = platform_.WinXP && GridThemeActive();
  ReadWheelSettings();
  if (scrollType_ != ssNormal && !Loading()) {
    InitFlatScrollBars();
    UpdateFlatScrollBars();
  }
}

void TVxStringGrid::ReadWheelSettings() {
  wheelMessage_ = WM_MOUSEWHEEL;
  UINT lines = 3;
  if (!SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) lines = 3;
  // One page per notch.
  wheelScrollLines_ = lines == WHEEL_PAGESCROLL ? VisibleRowCount() : static_cast<int>(lines);
}

void TVxStringGrid::Loaded() {
  TBaseGrid::Loaded();
  if (AutoSize) AutoSizeColumns(false, 4);
  requestedFixedRows_ = TBaseGrid::FixedRows();
  requestedFixedCols_ = TBaseGrid::FixedCols();
  rememberedDefaultRowHeight_ = DefaultRowHeight();
  RowHeightLowerLimit = DefaultRowHeight();
  ColWidthLowerLimit = 10;
  largestRowCount_ = RowCount();
  loadedOnce_ = true;
  fw::TGridOptions options = Options();
  if (options.Contains(fw::goAlwaysShowEditor)) {
    options.Exclude(fw::goAlwaysShowEditor);
    SetOptions(options);
    navigation_->SetAlwaysEdit(true);
  }
  if (!platform_.WinXP && controlLook_->ControlStyle() == TControlStyle::csTheme) {
    controlLook_->SetControlStyle(TControlStyle::csClassic);
  }
  UpdateScrollBarsAlways(false);
  ResetColumnOrder();
  if (AutoThemeAdapt) {
    ThemeChanged();
    if (HandleAllocated()) RegisterThemeWindow(true);
  }
}

void TVxStringGrid::Invalidate() {
  if (skipNextInvalidate_) {
    skipNextInvalidate_ = false;
    return;
  }
  TBaseGrid::Invalidate();
  if (!Loading()) RepaintFloatingFooter();
}

void TVxStringGrid::Resize() {
  TBaseGrid::Resize();
  // A gradient background spans the whole client area, so every cell's share of it moves.
  if (backGround_->IsGradient() && backGround_->ColorTo() != kColorNotSet) Invalidate();
  UpdateScrollBarsAlways(false);
}

void TVxStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (integralHeight_ && updateCount_ == 0 && DefaultRowHeight() > 0) {
    const int s = VisibleColCount() + TBaseGrid::FixedCols() < ColCount() ? GetSystemMetrics(SM_CYHSCROLL) : 0;
    const int b = BorderStyle() == fw::bsSingle ? 2 : 0;
    AHeight = AHeight + b - ((AHeight - s - b) % DefaultRowHeight());
  }
  TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (Parent() != nullptr && Parent()->HandleAllocated()) DrawBorderFrame();
}

void TVxStringGrid::SetBorderColor(fw::TColor value) {
  if (value == borderColor_) return;
  borderColor_ = value;
  if (Parent() != nullptr && Parent()->HandleAllocated()) DrawBorderFrame();
}

void TVxStringGrid::SetScrollBars(fw::TScrollStyle value) {
  scrollBars_ = value;
  TBaseGrid::SetScrollBars(value);
}

bool TVxStringGrid::VisibleRowsFit() { return VisibleRowCount() + TBaseGrid::FixedRows() >= RowCount(); }

bool TVxStringGrid::VisibleColsFit() { return VisibleColCount() + TBaseGrid::FixedCols() >= ColCount(); }

void TVxStringGrid::UpdateScrollBarsAlways(bool force) {
  if (!HandleAllocated()) return;
  const bool rowsFit = VisibleRowsFit();
  const bool colsFit = VisibleColsFit();
  if (ScrollBarAlways != saNone) {
    if (rowsFit) {
      ShowScrollBar(Handle(), SB_VERT, ScrollBarAlways == saVert || ScrollBarAlways == saBoth);
      EnableScrollBar(Handle(), SB_VERT, ESB_DISABLE_BOTH);
    } else {
      EnableScrollBar(Handle(), SB_VERT, ESB_ENABLE_BOTH);
    }
    if (colsFit) {
      ShowScrollBar(Handle(), SB_HORZ, ScrollBarAlways == saHorz || ScrollBarAlways == saBoth);
      EnableScrollBar(Handle(), SB_HORZ, ESB_DISABLE_BOTH);
    } else {
      EnableScrollBar(Handle(), SB_HORZ, ESB_ENABLE_BOTH);
    }
    return;
  }
  if (!force) return;
  if (rowsFit) ShowScrollBar(Handle(), SB_VERT, FALSE);
  if (colsFit) ShowScrollBar(Handle(), SB_HORZ, FALSE);
}

std::string TVxStringGrid::GetEditMask(int ACol, int ARow) {
  std::string value = EditMask;
  if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, value);
  return value;
}

fw::TCustomForm* TVxStringGrid::GetParentForm(fw::TControl* control) {
  for (fw::TControl* c = control; c != nullptr; c = c->Parent()) {
    if (auto* form = dynamic_cast<fw::TCustomForm*>(c)) return form;
  }
  return nullptr;
}

}  // namespace ui
