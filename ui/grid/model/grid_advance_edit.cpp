// TVxStringGrid: the advance to the next cell after an edit (Enter, cursor walking between editors) and
// the move to the next control of an HTML cell.
//
// The search through cells that cannot be edited is one walk along the advance order: it ends at the
// first editable cell, or, without one, when it comes back to a cell it already passed or after one full
// pass over the grid's cells; then the current cell stays where it was and no event of the move fires.
#include <set>
#include <utility>

#include "ui/foundation/html_controls.h"
#include "ui/foundation/html_engine.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

bool TVxStringGrid::StepAdvance(int& col, int& row, bool forward) {
  const int lastNormalRow = RowCount() - FixedFooters() - 1;
  const fw::TPoint span = CellSpan(col, row);
  if (forward && Navigation()->AdvanceDirection() == adLeftRight) {
    if (col + span.X < ColCount() - VisibleFixedRightCols() - 1) {
      col += span.X + 1;
    } else if (row + 1 != RowCount() - FixedFooters()) {
      ++row;
      col = FirstAdvanceCol();
    } else if (Navigation()->AdvanceInsert()) {
      bool canAdd = true;
      CanAddRow(canAdd);
      col = FirstAdvanceCol();
      if (canAdd) {
        AppendRow();
        ++row;
        if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FixedFooters() - 1);
        if (row >= RowCount()) return false;
        bool editable = false;
        for (int c = FixedCols(); c < ColCount() && !editable; ++c) editable = CanEditCell(RealColIndex(c), row);
        if (!editable) return false;
      }
    } else if (Navigation()->AdvanceOnEnterLoop()) {
      row = FixedRows();
      col = FirstAdvanceCol();
    }
  } else if (forward) {
    if (row == lastNormalRow) {
      if (col + 1 != ColCount() - FixedRightCols()) {
        row = FixedRows();
        if (++col >= ColCount()) col = FirstAdvanceCol();
      } else if (Navigation()->AdvanceInsert()) {
        fw::TCustomGrid::SetColCount(ColCount() + 1);
        col += span.X + 1;
        row = FixedRows();
        if (OnAutoInsertCol) OnAutoInsertCol(this, ColCount() - FixedRightCols() - 1);
      } else {
        row = FixedRows();
        col = FirstAdvanceCol();
        Invalidate();
      }
    } else {
      ++row;
    }
  } else if (Navigation()->AdvanceDirection() == adLeftRight) {
    if (col > FirstAdvanceCol()) {
      --col;
    } else {
      row = row > FixedRows() ? row - 1 : lastNormalRow;
      col = ColCount() - FixedRightCols() - 1;
    }
  } else {
    if (row > FixedRows()) {
      --row;
    } else {
      col = col > FirstAdvanceCol() ? col - 1 : ColCount() - FixedRightCols() - 1;
      row = lastNormalRow;
    }
  }
  return true;
}

void TVxStringGrid::AdvanceEdit(int col, int row, bool force, bool autoEdit, bool forward, bool retry, bool edit) {
  if (!Navigation()->AdvanceOnEnter() && !force) return;
  if (MouseActions()->RangeSelectAndEdit() && !Options().Contains(fw::goEditing)) {
    SetOptions(Options() + fw::TGridOptions{fw::goEditing});
  }
  if (!retry) moveOrigin_ = fw::TPoint{col, row};
  const fw::TPoint previous{col, row};
  typedChar_ = 0;

  // The walk to the next editable cell.
  std::set<std::pair<int, int>> passed{{col, row}};
  const long long pass = static_cast<long long>(ColCount()) * RowCount();
  for (long long steps = 0;; ++steps) {
    if (!StepAdvance(col, row, forward)) return;
    bool canEdit = true;
    CanEditCellEx(RealColIndex(col), row, canEdit);
    if (canEdit) break;
    if (!passed.insert({col, row}).second || steps >= pass) return;
  }

  bool allow = true;
  if (OnAutoAdvance) OnAutoAdvance(this, moveOrigin_.Y, moveOrigin_.X, row, col, allow);
  if (!allow) {
    SelectCell(previous.X, previous.Y);
  } else {
    bool allowChange = true;
    if (OnCellChanging) OnCellChanging(this, moveOrigin_.Y, moveOrigin_.X, row, col, allowChange);
    advancing_ = true;
    if (allowChange) {
      MoveColRow(col, Row(), true, true);
      SetRow(row);
    } else {
      SelectCell(previous.X, previous.Y);
    }
    advancing_ = false;
  }

  if (!edit) return;
  const int realCol = RealColIndex(col);
  if ((autoEdit && Navigation()->AdvanceAutoEdit()) || IsControlCell(realCol, row)) {
    if (!CanEditCell(realCol, row)) return;
    ShowEditor();
    if (IsControlCell(realCol, row)) {
      // A control cell is entered with a click just inside its top left corner.
      advancing_ = true;
      MoveColRow(previous.X, previous.Y, true, false);
      MoveColRow(col, row, true, false);
      if (!IsControlCell(RealColIndex(previous.X), previous.Y)) {
        const fw::TRect cell = CellRect(col, row);
        MouseDown(fw::mbLeft, fw::TShiftState{}, cell.Left + 2, cell.Top + 2);
        MouseUp(fw::mbLeft, fw::TShiftState{}, cell.Left + 2, cell.Top + 2);
        if (Navigation()->AdvanceDirection() == adTopBottom) HideEditor();
      }
      advancing_ = false;
      bool ignored = true;
      if (OnCellChanging) OnCellChanging(this, previous.Y, previous.X, Row(), Col(), ignored);
    }
  }
  if (MouseActions()->DisjunctRowSelect()) {
    ClearRowSelect();
    SetRowSelect(Row(), true);
  }
}

void TVxStringGrid::StartControlEdit(int col, int row, const std::string& controlId) {
  const std::string text = GetCellEx(col, row);
  const std::string next = GetNextHTMLControlID(text, controlId);
  if (next.empty()) {
    if (CanFocus()) SetFocus();
    return;
  }
  fw::TRect area = CellRectEx(col, row);
  area.Left += CellMargin().X + 1;
  area.Top += CellMargin().Y + 1;
  // Check boxes in cells shift the text by ControlLook's check size once cell graphics exist.

  THTMLTextParams params;
  params.Text = text;
  params.Bounds = area;
  params.HitTestOnly = true;
  params.ShadowColor = 0x808080;
  params.HoverBackColor = fw::clNone;
  params.HoverTextColor = fw::clNone;
  params.LinkColor = URLColor;
  params.ControlId = next;
  DrawHTMLText(Canvas(), params);
  ShowControlEditor(text, params.ControlType, row, col, params.ControlRect, params.ControlValue, next);
}

}  // namespace ui
