// The current cell read and written raw, for display and for editing; the in-cell scroll bar's range; the
// texts of a cell for filters and files; the row insertion and removal entry points; and the event relays.
#include "framework/controls/std_types.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::GetCurrentCellRaw(std::string& text) {
  const fw::TPoint base = BaseCellOf(GetRealCol(), Row());
  text = GetRawCellText(base.X, base.Y);
}

void TVxStringGrid::GetCurrentCellDispl(std::string& text) { text = GetCellEx(GetRealCol(), Row()); }

void TVxStringGrid::SetCurrentCell(const std::string& text) { SetCellEx(GetRealCol(), Row(), text); }

void TVxStringGrid::SetCurrentCellEdit(const std::string& text) {
  const int realCol = GetRealCol();
  if (IsMergedCell(realCol, Row())) {
    const fw::TPoint base = BaseCellOf(realCol, Row());
    SetEditText(DisplayColumnOf(base.X), base.Y, text);
  } else {
    SetEditText(Col(), Row(), text);
  }
}

void TVxStringGrid::SetEditTextDispl(int col, int row, const std::string& text) {
  SetEditText(DisplayColumnOf(col), row, text);
  SetCellEx(col, row, text);
}

void TVxStringGrid::UpdateScrollBarCell(int col, int row) {
  const fw::TPoint base = BaseCellOf(col, row);
  const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
  if (graphic == nullptr || graphic->CellType != ctScrollbar || !graphic->CellBoolean) return;
  fw::TPoint size{0, 0};
  GetCellTextExtent(col, row, size, false, true);
  SetScrollBarRange(col, row, TScrollBarRange{RowHeights(row), size.Y});
}

void TVxStringGrid::GetCellForFilter(int col, int row, std::string& text) { text = GetCellEx(col, row); }

void TVxStringGrid::SaveCell(int col, int row, std::string& text) {
  text = GetFormattedCell(col, row);
  if (text.empty()) {
    // A check box without text writes the check text of its state (the row is a real row).
    fw::TCheckBoxState state = fw::cbUnchecked;
    const TCellType type = GetCellType(col, row);
    if ((type == ctCheckBox || type == ctTriStateCheckBox) && GetCheckBoxStateEx(col, row, state)) {
      if (state == fw::cbChecked) {
        GetCheckTrue(col, row, text);
      } else {
        GetCheckFalse(col, row, text);
      }
    }
  }
  // Rich text goes out as its plain text once the grid has its rich-text renderer (until then as it
  // is); HTML stays as it is.
  if (OnSaveCell) OnSaveCell(this, col, row, text);
}

void TVxStringGrid::LoadCell(int col, int row, const std::string& text) {
  std::string value = text;
  if (OnLoadCell) OnLoadCell(this, col, row, value);
  SetRawCellText(col, row, value);
}

void TVxStringGrid::InsertRowEx(int row) {
  // Node rows insert a top-level or child row once the grid has nodes.
  InsertRows(row, 1);
}

void TVxStringGrid::RemoveRowEx(int row) {
  if (RowCount() - FixedRows() - FixedFooters() == 1 && !FixedRowAlways()) {
    ClearRows(row, 1);
  } else {
    RemoveRows(row, 1);
  }
  if (OnAutoDeleteRow) OnAutoDeleteRow(this, row);
}

// ---- Event relays -------------------------------------------------------------------------------------

void TVxStringGrid::SelectionChanged(int left, int top, int right, int bottom) {
  if (Look() == glVista || Look() == glWin7 || Look() == glOffice2007) {
    const fw::TGridRect selection = Selection();
    RepaintRect(fw::TRect{selection.Left, selection.Top, selection.Right, selection.Bottom});
  }
  if (OnSelectionChanged) OnSelectionChanged(this, left, top, right, bottom);
}

void TVxStringGrid::FixedEdit(int col, int row, TGridFixedCellEditor& editor, fw::TStringList* values) {
  if (OnFixedEdit) OnFixedEdit(this, col, row, editor, values);
}

void TVxStringGrid::FilterDone() {
  if (OnFilterDone) OnFilterDone(this);
}

// ---- Hooks for derived grids --------------------------------------------------------------------------

void TVxStringGrid::F2KeyHook() {}
void TVxStringGrid::SelectionRectHook(const fw::TRect&) {}
void TVxStringGrid::ReportEditProgress(const std::string&, fw::TPoint, int) {}
void TVxStringGrid::EditorHook1() {}

bool TVxStringGrid::InDesignMode(bool& designing) {
  designing = ComponentState().Contains(fw::csDesigning);
  return designing;
}

void TVxStringGrid::RepaintHook() { Invalidate(); }

void TVxStringGrid::HideEditorOption() {
  fw::TGridOptions options = Options();
  options.Exclude(fw::goEditing);
  SetOptions(options);
}

void TVxStringGrid::EditorHook2() {}
void TVxStringGrid::FindNotify(int, int) {}
void TVxStringGrid::PasteNotify(int, fw::TGridCoord) {}

}  // namespace ui
