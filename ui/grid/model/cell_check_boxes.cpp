// TVxStringGrid: check boxes of the five kinds — reading, setting and changing their state, toggling them
// with the tri-state cycles, the group propagation and the undo record — and the precise hit box.
#include "ui/grid/model/grid_undo_redo.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

bool IsCheckBoxKind(TCellType type) {
  return type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRowCheckBox ||
         type == ctTriStateCheckBox;
}

bool IsDataCheckBoxKind(TCellType type) { return type == ctDataCheckBox || type == ctVirtCheckBox; }

}  // namespace

TCellGraphic* TVxStringGrid::RealRowGraphic(int col, int realRow) {
  if (NumHiddenRows() == 0) return GetCellGraphic(col, realRow);
  const auto* props = dynamic_cast<TCellProperties*>(RealRowObject(col, realRow));
  return props != nullptr ? dynamic_cast<TCellGraphic*>(props->GraphicObject) : nullptr;
}

void TVxStringGrid::RepaintRealRowCell(int col, int realRow) {
  RepaintCell(RealToDisplCol(col), DisplRowIndex(realRow));
}

bool TVxStringGrid::GetCheckBoxState(int col, int realRow, bool& state) {
  const TCellGraphic* graphic = RealRowGraphic(col, realRow);
  if (graphic == nullptr) return false;
  const TCellType type = graphic->CellType;
  const bool hiddenRows = NumHiddenRows() > 0;
  if (type == ctCheckBox) {
    state = graphic->CellBoolean;
    return true;
  }
  // A tri-state box reads as a data box only while rows are hidden.
  if (IsDataCheckBoxKind(type) || (type == ctTriStateCheckBox && hiddenRows)) {
    std::string checkTrue;
    GetCheckTrue(col, realRow, checkTrue);
    state = (hiddenRows ? RealRowText(col, realRow) : GetCellEx(col, realRow)) == checkTrue;
    return true;
  }
  if (type == ctRowCheckBox && col == 0) {
    state = GetRowSelect(realRow);
    return true;
  }
  return false;
}

bool TVxStringGrid::SetCheckBoxState(int col, int realRow, bool state) {
  TCellGraphic* graphic = RealRowGraphic(col, realRow);
  if (graphic == nullptr) return false;
  const TCellType type = graphic->CellType;
  if (type == ctCheckBox) {
    graphic->CellBoolean = state;
    RepaintRealRowCell(col, realRow);
    return true;
  }
  if (IsDataCheckBoxKind(type)) {
    std::string text;
    if (state) {
      GetCheckTrue(col, realRow, text);
    } else {
      GetCheckFalse(col, realRow, text);
    }
    // The text goes where the graphic is: the kept texts of a hidden row, else the row's display index.
    if (fw::TStrings* kept = RealRowHiddenStrings(realRow)) {
      if (col < kept->Count()) kept->SetStrings(col, text);
    } else {
      SetCellEx(col, DisplRowIndex(realRow), text);
    }
    return true;
  }
  if (type == ctRowCheckBox && col == 0) {
    SetRowSelect(realRow, state);
    return true;
  }
  return false;
}

bool TVxStringGrid::ChangeCheckBoxState(int col, int row, bool state) {
  TCellGraphic* graphic = RealRowGraphic(col, NumHiddenRows() > 0 ? DisplToRealRow(row) : row);
  if (graphic == nullptr) return false;
  const TCellType type = graphic->CellType;
  if (type == ctCheckBox) {
    if (graphic->CellBoolean != state) {
      graphic->CellBoolean = state;
      CheckBoxChange(col, row, state);
      RepaintCell(RealToDisplCol(col), row);
    }
    return true;
  }
  if (IsDataCheckBoxKind(type)) {
    std::string checkTrue;
    std::string checkFalse;
    GetCheckTrue(col, row, checkTrue);
    GetCheckFalse(col, row, checkFalse);
    const bool wasChecked = GetCellEx(col, row) == checkTrue;
    SetCellEx(col, row, state ? checkTrue : checkFalse);
    if (wasChecked != state) CheckBoxChange(col, row, state);
    return true;
  }
  if (type == ctRowCheckBox && col == 0) {
    const int realRow = DisplToRealRow(row);
    if (GetRowSelect(realRow) != state) {
      SetRowSelect(realRow, state);
      CheckBoxChange(col, row, state);
    }
    return true;
  }
  return false;
}

bool TVxStringGrid::SetTriStateCheckBoxState(int col, int realRow, fw::TCheckBoxState state) {
  TCellGraphic* graphic = RealRowGraphic(col, realRow);
  if (graphic == nullptr || graphic->CellType != ctTriStateCheckBox) return false;
  graphic->CellCheckBoxState = state;
  RepaintRealRowCell(col, realRow);
  return true;
}

bool TVxStringGrid::ToggleCheckBox(int col, int row, bool checkEditing) {
  TCellGraphic* graphic = GetCellGraphic(col, row);
  if (graphic == nullptr || !IsCheckBoxKind(graphic->CellType)) return false;

  // The group around the row: its own node, or the node above it.
  const bool grouped = GroupingAutoCheckGroup();
  const bool nodeRow = RowIsNode(row);
  int span = 0;
  bool contracted = false;
  int parent = -1;
  if (grouped && nodeRow) {
    span = NodeSpanOf(row);
    contracted = IsNodeContracted(row);
  } else if (grouped) {
    parent = ParentNodeRow(row);
    span = parent >= 0 ? NodeSpanOf(parent) : 0;
  }

  if (checkEditing && !ControlLook()->CheckAlwaysActive()) {
    bool canEdit = true;
    CanEditCellEx(col, row, canEdit);
    if (!canEdit) return false;
  }

  std::string checkTrue;
  std::string checkFalse;
  GetCheckTrue(col, row, checkTrue);
  GetCheckFalse(col, row, checkFalse);
  const auto checkText = [&](bool checked) { return checked ? checkTrue : checkFalse; };
  std::string oldText;
  std::string newText;
  bool state = false;
  switch (graphic->CellType) {
    case ctCheckBox:
      oldText = checkText(graphic->CellBoolean);
      graphic->CellBoolean = !graphic->CellBoolean;
      state = graphic->CellBoolean;
      newText = checkText(state);
      break;
    case ctTriStateCheckBox: {
      const fw::TCheckBoxState old = graphic->CellCheckBoxState;
      fw::TCheckBoxState next = fw::cbChecked;
      if (old == fw::cbChecked) {
        next = fw::cbUnchecked;
      } else if (old == fw::cbUnchecked && !nodeRow) {
        next = fw::cbGrayed;
      }
      graphic->CellCheckBoxState = next;
      // Only a node row reports its new state; the cycle of other rows always reports false.
      if (nodeRow) state = next == fw::cbChecked;
      oldText = checkText(old == fw::cbChecked);
      newText = checkText(next == fw::cbChecked);
      break;
    }
    default:
      oldText = GetCellEx(col, row);
      state = oldText != checkTrue;
      newText = checkText(state);
      SetCellEx(col, row, newText);
      break;
  }
  RepaintCell(RealToDisplCol(col), row);
  CheckBoxChange(col, row, state);

  if (grouped && nodeRow && span >= 2) {
    const int nodeRealRow = DisplToRealRow(row);
    for (int i = 1; i < span; ++i) {
      SetCheckBoxState(col, contracted ? nodeRealRow + i : DisplToRealRow(row + i), state);
    }
  } else if (parent >= 0) {
    bool first = false;
    GetCheckBoxState(col, DisplToRealRow(parent + 1), first);
    bool mixed = false;
    for (int i = 1; i < span; ++i) {
      bool child = false;
      GetCheckBoxState(col, DisplToRealRow(parent + i), child);
      mixed = mixed || child != first;
    }
    SetTriStateCheckBoxState(col, DisplToRealRow(parent),
                             mixed ? fw::cbGrayed : (first ? fw::cbChecked : fw::cbUnchecked));
  }

  // The texts as they were and are, whichever kind holds them.
  if (UndoRedo() != nullptr) UndoRedo()->RecordChange(col, row, newText, oldText);
  return true;
}

bool TVxStringGrid::IsInCheckBox(int col, int row, int x, int y) {
  const TCellGraphic* graphic = GetCellGraphic(col, row);
  if (graphic == nullptr || (!IsCheckBoxKind(graphic->CellType) && graphic->CellType != ctRadioButton)) return false;
  if (!MouseActions()->PreciseCheckBoxCheck()) return true;
  const fw::TRect r = CellRectEx(RealToDisplCol(col), row);
  const int size = ControlLook()->CheckSize();
  int top = 0;
  switch (graphic->CellVAlign) {
    case vaTop: top = r.Top + 2; break;
    case vaBottom: top = r.Bottom - size - 2; break;
    default: top = r.Top + (r.Height() - size) / 2; break;  // centred, also for the alignments beside text
  }
  int left = 0;
  switch (static_cast<fw::TAlignment>(GetCellAlignment(col, row) & 0xFF)) {
    case fw::taRightJustify:
      left = r.Right - size - 2;
      if (!GetCellEx(col, row).empty()) {
        fw::TPoint extent{0, 0};
        GetCellTextExtent(col, row, extent, false, false);
        left -= extent.X;
      }
      break;
    case fw::taCenter: left = r.Left + (r.Width() - size) / 2; break;
    default: left = r.Left + 2; break;
  }
  return x >= left && x < left + size && y >= top && y < top + size;
}

void TVxStringGrid::CheckBoxChange(int col, int row, bool state) {
  if (OnCheckBoxChange) OnCheckBoxChange(this, col, row, state);
}

}  // namespace ui
