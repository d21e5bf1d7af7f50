// TCustomGrid: structure, view and selection. The paint loop is in custom_grid_paint.cpp, the scroll bars
// in custom_grid_scroll.cpp.
#include "framework/controls/custom_grid.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/controls/inplace_edit.h"

namespace fw {

namespace {

constexpr int kDefaultCount = 5;
constexpr int kDefaultColWidth = 64;
constexpr int kDefaultRowHeight = 24;

// A coordinate of the current cell or anchor that lies in the fixed cells moves to the first normal one.
void LeaveFixed(int& coordinate, int fixedCount) {
  if (coordinate >= 0 && coordinate < fixedCount) coordinate = fixedCount;
}

}  // namespace

TCustomGrid::TCustomGrid(TComponent* AOwner)
    : TCustomControl(AOwner),
      cols_(kDefaultCount, 1, kDefaultColWidth),
      rows_(kDefaultCount, 1, kDefaultRowHeight) {
  controlStyle_.Include(csCaptureMouse).Include(csOpaque).Include(csDoubleClicks);
  SetBoundsFields(0, 0, 320, 120);
  SetColor(clWindow);
  SetTabStop(true);
}

// ---- Structure ------------------------------------------------------------------------------------------

void TCustomGrid::CheckCol(int ACol) const {
  if (ACol < 0 || ACol >= ColCount()) throw EInvalidGridOperation("Grid index out of range");
}

void TCustomGrid::CheckRow(int ARow) const {
  if (ARow < 0 || ARow >= RowCount()) throw EInvalidGridOperation("Grid index out of range");
}

void TCustomGrid::SetColCount(int value) { ChangeCount(cols_, std::max(value, 1)); }
void TCustomGrid::SetRowCount(int value) { ChangeCount(rows_, std::max(value, 1)); }

void TCustomGrid::ChangeCount(TGridAxis& axis, int value) {
  if (value == axis.Count()) return;
  const int oldCols = ColCount();
  const int oldRows = RowCount();
  if (axis.FixedCount() >= value) axis.SetFixedCount(value - 1);
  axis.SetCount(value);
  StructureChanged(oldCols, oldRows);
}

void TCustomGrid::SetFixedCols(int value) {
  ChangeFixedCount(cols_, value, current_.X, anchor_.X, "Fixed column count must be less than column count");
}

void TCustomGrid::SetFixedRows(int value) {
  ChangeFixedCount(rows_, value, current_.Y, anchor_.Y, "Fixed row count must be less than row count");
}

void TCustomGrid::ChangeFixedCount(TGridAxis& axis, int value, int& current, int& anchor, const char* tooMany) {
  if (value < 0) throw EInvalidGridOperation("Grid index out of range");
  if (value >= axis.Count()) throw EInvalidGridOperation(tooMany);
  if (value == axis.FixedCount()) return;
  axis.SetFixedCount(value);
  LeaveFixed(current, value);
  LeaveFixed(anchor, value);
  StructureChanged(ColCount(), RowCount());
}

void TCustomGrid::KeepInside(int& coordinate, int oldCount, const TGridAxis& axis) {
  // Only a cell that was inside the grid follows; a selection moved off the grid stays off it.
  if (coordinate < oldCount && coordinate >= axis.Count()) coordinate = axis.Count() - 1;
}

void TCustomGrid::StructureChanged(int oldCols, int oldRows) {
  KeepInside(current_.X, oldCols, cols_);
  KeepInside(anchor_.X, oldCols, cols_);
  KeepInside(current_.Y, oldRows, rows_);
  KeepInside(anchor_.Y, oldRows, rows_);
  ClampView();
  if (oldCols != ColCount() || oldRows != RowCount()) SizeChanged(oldCols, oldRows);
  UpdateScrollRange();
  Invalidate();
}

void TCustomGrid::SetDefaultColWidth(int value) {
  cols_.ResetSizes(value);
  ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int value) {
  rows_.ResetSizes(value);
  RowHeightsChanged();
}

void TCustomGrid::SetColWidths(int index, int value) {
  if (cols_.Size(index) == value) return;
  cols_.SetSize(index, value);
  ColWidthsChanged();
}

void TCustomGrid::SetRowHeights(int index, int value) {
  if (rows_.Size(index) == value) return;
  rows_.SetSize(index, value);
  RowHeightsChanged();
}

void TCustomGrid::SetGridLineWidth(int value) {
  value = std::max(value, 0);
  if (value == gridLineWidth_) return;
  gridLineWidth_ = value;
  LayoutChanged();
}

void TCustomGrid::SetFixedColor(TColor value) {
  if (value == fixedColor_) return;
  fixedColor_ = value;
  Invalidate();
}

void TCustomGrid::DeleteRow(int ARow) {
  CheckRow(ARow);
  DeleteLine(rows_, ARow);
}

void TCustomGrid::DeleteColumn(int ACol) {
  CheckCol(ACol);
  DeleteLine(cols_, ACol);
}

void TCustomGrid::DeleteLine(TGridAxis& axis, int index) {
  const int oldCols = ColCount();
  const int oldRows = RowCount();
  axis.Delete(index);
  if (axis.Count() == 0) axis.SetCount(1);  // the last line was emptied, the grid keeps one
  if (axis.FixedCount() >= axis.Count()) axis.SetFixedCount(axis.Count() - 1);
  StructureChanged(oldCols, oldRows);
}

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex) {
  CheckCol(FromIndex);
  CheckCol(ToIndex);
  if (FromIndex == ToIndex) return;
  cols_.Move(FromIndex, ToIndex);
  ColumnMoved(FromIndex, ToIndex);
  ColWidthsChanged();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex) {
  CheckRow(FromIndex);
  CheckRow(ToIndex);
  if (FromIndex == ToIndex) return;
  rows_.Move(FromIndex, ToIndex);
  RowMoved(FromIndex, ToIndex);
  RowHeightsChanged();
}

void TCustomGrid::ChangeScale(int M, int D) {
  if (M == D || D == 0) return;
  cols_.Scale(M, D);
  rows_.Scale(M, D);
  LayoutChanged();
}

// ---- Hooks ----------------------------------------------------------------------------------------------

void TCustomGrid::DrawCell(int, int, const TRect&, TGridDrawState) {}
bool TCustomGrid::SelectCell(int, int) { return true; }
void TCustomGrid::ColumnMoved(int, int) {}
void TCustomGrid::RowMoved(int, int) {}
void TCustomGrid::SizeChanged(int, int) {}
void TCustomGrid::TopLeftChanged() {}

void TCustomGrid::ColWidthsChanged() { LayoutChanged(); }
void TCustomGrid::RowHeightsChanged() { LayoutChanged(); }

void TCustomGrid::LayoutChanged() {
  ClampView();
  UpdateScrollRange();
  Invalidate();
}

// ---- Drawing and view -----------------------------------------------------------------------------------

void TCustomGrid::SetDefaultDrawing(bool value) {
  if (value == defaultDrawing_) return;
  defaultDrawing_ = value;
  Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions value) {
  if (value == options_) return;
  options_ = value;
  Invalidate();
}

int TCustomGrid::ClientExtent(const TGridAxis& axis) const {
  // ClientRect asks the window, which a const grid does not change.
  const TRect client = const_cast<TCustomGrid*>(this)->ClientRect();
  return &axis == &cols_ ? client.Width() : client.Height();
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const {
  if (!cols_.InView(ACol, gridLineWidth_, ClientExtent(cols_)) ||
      !rows_.InView(ARow, gridLineWidth_, ClientExtent(rows_))) {
    return TRect{};
  }
  return Bounds(cols_.Start(ACol, gridLineWidth_), rows_.Start(ARow, gridLineWidth_), cols_.Size(ACol),
                rows_.Size(ARow));
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) { InvalidateGridRect(TGridRect{ACol, ARow, ACol, ARow}); }

void TCustomGrid::InvalidateGridRect(const TGridRect& cells) {
  if (!HandleAllocated()) return;
  TRect area{};
  for (int row : rows_.CellsInView(gridLineWidth_, ClientExtent(rows_))) {
    if (row < cells.Top || row > cells.Bottom) continue;
    for (int col : cols_.CellsInView(gridLineWidth_, ClientExtent(cols_))) {
      if (col < cells.Left || col > cells.Right) continue;
      TRect r = CellRect(col, row);
      r.Right += gridLineWidth_;
      r.Bottom += gridLineWidth_;
      area = area.IsEmpty() ? r
                            : Rect(std::min(area.Left, r.Left), std::min(area.Top, r.Top),
                                   std::max(area.Right, r.Right), std::max(area.Bottom, r.Bottom));
    }
  }
  if (area.IsEmpty()) return;
  const RECT r = area.ToRECT();
  InvalidateRect(Handle(), &r, FALSE);
}

int TCustomGrid::VisibleRowCount() const { return rows_.FullyVisibleCount(gridLineWidth_, ClientExtent(rows_)); }
int TCustomGrid::VisibleColCount() const { return cols_.FullyVisibleCount(gridLineWidth_, ClientExtent(cols_)); }

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
  return TGridCoord{cols_.CellAt(X, gridLineWidth_, ClientExtent(cols_)),
                    rows_.CellAt(Y, gridLineWidth_, ClientExtent(rows_))};
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
  const TGridCoord cell = MouseCoord(X, Y);
  ACol = cell.X;
  ARow = cell.Y;
}

void TCustomGrid::SetTopRow(int value) { MoveTopLeft(LeftCol(), value); }
void TCustomGrid::SetLeftCol(int value) { MoveTopLeft(value, TopRow()); }

void TCustomGrid::MoveTopLeft(int leftCol, int topRow) {
  leftCol = std::clamp(leftCol, FixedCols(), std::max(FixedCols(), cols_.MaxFirst(gridLineWidth_, ClientExtent(cols_))));
  topRow = std::clamp(topRow, FixedRows(), std::max(FixedRows(), rows_.MaxFirst(gridLineWidth_, ClientExtent(rows_))));
  if (leftCol == LeftCol() && topRow == TopRow()) return;
  cols_.SetFirst(leftCol);
  rows_.SetFirst(topRow);
  UpdateScrollRange();
  Invalidate();
  if (editorMode_) UpdateEditor();  // the editor stays over its cell
  TopLeftChanged();
}

void TCustomGrid::ScrollInView(int ACol, int ARow) {
  int left = LeftCol();
  if (ACol >= FixedCols() && ACol < ColCount()) {
    if (ACol < left) {
      left = ACol;
    } else if (ACol >= left + VisibleColCount()) {
      left = cols_.FirstEndingAt(ACol, gridLineWidth_, ClientExtent(cols_));
    }
  }
  int top = TopRow();
  if (ARow >= FixedRows() && ARow < RowCount()) {
    if (ARow < top) {
      top = ARow;
    } else if (ARow >= top + VisibleRowCount()) {
      top = rows_.FirstEndingAt(ARow, gridLineWidth_, ClientExtent(rows_));
    }
  }
  MoveTopLeft(left, top);
}

// ---- Selection ------------------------------------------------------------------------------------------

TGridRect TCustomGrid::Selection() const {
  TGridRect selection{std::min(anchor_.X, current_.X), std::min(anchor_.Y, current_.Y),
                      std::max(anchor_.X, current_.X), std::max(anchor_.Y, current_.Y)};
  if (options_.Contains(goRowSelect)) {
    selection.Left = FixedCols();
    selection.Right = ColCount() - 1;
  }
  return selection;
}

bool TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show) {
  CheckCol(ACol);
  CheckRow(ARow);
  if (!SelectCell(ACol, ARow)) return false;
  const TGridRect before = Selection();
  current_ = TGridCoord{ACol, ARow};
  if (MoveAnchor || !options_.Contains(goRangeSelect)) anchor_ = current_;
  if (Show) ScrollInView(ACol, ARow);
  InvalidateGridRect(before);
  InvalidateGridRect(Selection());
  // The editor follows the current cell only while it is always shown; otherwise a move ends editing.
  if (options_.Contains(goAlwaysShowEditor)) {
    ShowEditor();
  } else if (editorMode_) {
    HideEditor();
  }
  return true;
}

void TCustomGrid::SetCol(int value) { MoveColRow(value, Row(), true, true); }
void TCustomGrid::SetRow(int value) { MoveColRow(Col(), value, true, true); }

void TCustomGrid::SetSelection(const TGridRect& value) {
  if (!SelectCell(value.Left, value.Top)) return;
  const TGridRect before = Selection();
  current_ = TGridCoord{value.Left, value.Top};
  anchor_ = TGridCoord{value.Right, value.Bottom};
  InvalidateGridRect(before);
  InvalidateGridRect(Selection());
}

// ---- Window ---------------------------------------------------------------------------------------------

void TCustomGrid::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.WinClassName = "Trelvik.Grid";
  Params.ClassStyle = CS_DBLCLKS;  // no full repaint on resizing: only the uncovered part is new
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) Params.Style |= WS_VSCROLL;
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) Params.Style |= WS_HSCROLL;
  if (borderStyle_ == bsSingle) {
    if (Ctl3D()) {
      Params.ExStyle |= WS_EX_CLIENTEDGE;
    } else {
      Params.Style |= WS_BORDER;
    }
  }
}

void TCustomGrid::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollRange();
}

void TCustomGrid::BoundsChanged() {
  TCustomControl::BoundsChanged();
  ClampView();
  UpdateScrollRange();
}

void TCustomGrid::SetScrollBars(TScrollStyle value) {
  if (value == scrollBars_) return;
  scrollBars_ = value;
  RecreateWnd();
}

void TCustomGrid::SetBorderStyle(TFormBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TCustomGrid::Dispatch(TMessage& Message) {
  const int x = GET_X_LPARAM(Message.LParam);
  const int y = GET_Y_LPARAM(Message.LParam);
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | (options_.Contains(goTabs) ? DLGC_WANTTAB : 0) |
                       (options_.Contains(goEditing) ? DLGC_WANTCHARS : 0);
      return;
    // The grid's own handling first, then MouseDown/MouseMove/MouseUp and the events.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      GridMouseDown(MouseKeysToShiftState(Message.WParam), x, y);
      break;
    case WM_MOUSEMOVE:
      GridMouseMove(x, y);
      break;
    case WM_LBUTTONUP:
      GridMouseUp(x, y);
      break;
    case WM_TIMER:
      if (Message.WParam != kScrollTimer) break;
      GridScrollTimer();
      Message.Result = 0;
      return;
    case WM_CANCELMODE:
      CancelGridState();
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(Message.LParam) != Handle()) CancelGridState();
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (Message.LParam != 0) break;  // a scroll-bar child's, reflected to it
      ScrollMessage(Message.Msg == WM_HSCROLL ? cols_ : rows_, Message.WParam);
      Message.Result = 0;
      return;
    case WM_SIZE:
      TCustomControl::Dispatch(Message);
      ClampView();
      UpdateScrollRange();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TCustomControl::Dispatch(Message);
      InvalidateGridRect(Selection());  // the focused look of the current cell changes
      return;
    default:
      break;
  }
  TCustomControl::Dispatch(Message);
}

}  // namespace fw
