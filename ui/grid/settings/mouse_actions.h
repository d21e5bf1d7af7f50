// TMouseActions: what the mouse does in the grid: selecting columns, rows and cells (also disjunct sets),
// opening editors, sizing, editing fixed cells, node and check-box clicks and the wheel. The grid's mouse
// handling and editors read them. GUI thread only.
//
// At run time the disjunct row, column and cell selections can be combined; the grid is never designed in
// this program, so no setter clears the others.
#pragma once

#include <cstdint>

#include "framework/classes/events.h"
#include "framework/classes/persistent.h"
#include "framework/classes/stringlist.h"

namespace ui {

// Which click edits a fixed cell.
enum TGridFixedCellEdit : std::uint8_t { fceNone, fceDblClick, fceLeftClick, fceRightClick };
// The editor of fixed cells: a plain edit, an editable combo or a combo list of FixedComboValues.
enum TGridFixedCellEditor : std::uint8_t { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction : std::uint8_t { waMoveSelection, waScroll };

class TMouseActions : public fw::TPersistent {
 public:
  // Another mouse-actions object: every switch copied as it is and FixedComboValues' items, no
  // notification. Any other source is ignored.
  void Assign(fw::TPersistent* Source) override;

  bool ColSelect() const { return v_.colSelect; }
  void SetColSelect(bool Value) { v_.colSelect = Value; }
  bool RowSelect() const { return v_.rowSelect; }
  void SetRowSelect(bool Value) { v_.rowSelect = Value; }
  bool AllSelect() const { return v_.allSelect; }
  void SetAllSelect(bool Value) { v_.allSelect = Value; }
  bool DirectEdit() const { return v_.directEdit; }
  void SetDirectEdit(bool Value) { v_.directEdit = Value; }
  bool DirectComboDrop() const { return v_.directComboDrop; }
  void SetDirectComboDrop(bool Value) { v_.directComboDrop = Value; }
  bool DirectComboClose() const { return v_.directComboClose; }
  void SetDirectComboClose(bool Value) { v_.directComboClose = Value; }
  bool DirectDateClose() const { return v_.directDateClose; }
  void SetDirectDateClose(bool Value) { v_.directDateClose = Value; }
  bool DirectDateDrop() const { return v_.directDateDrop; }
  void SetDirectDateDrop(bool Value) { v_.directDateDrop = Value; }
  bool DisjunctRowSelect() const { return v_.disjunctRowSelect; }
  void SetDisjunctRowSelect(bool Value) { v_.disjunctRowSelect = Value; }
  bool DisjunctColSelect() const { return v_.disjunctColSelect; }
  void SetDisjunctColSelect(bool Value) { v_.disjunctColSelect = Value; }
  bool AllColumnSize() const { return v_.allColumnSize; }
  void SetAllColumnSize(bool Value) { v_.allColumnSize = Value; }
  bool AllRowSize() const { return v_.allRowSize; }
  void SetAllRowSize(bool Value) { v_.allRowSize = Value; }
  bool CaretPositioning() const { return v_.caretPositioning; }
  void SetCaretPositioning(bool Value) { v_.caretPositioning = Value; }
  bool SizeFixedCol() const { return v_.sizeFixedCol; }
  void SetSizeFixedCol(bool Value) { v_.sizeFixedCol = Value; }
  bool SizeFixedRow() const { return v_.sizeFixedRow; }
  void SetSizeFixedRow(bool Value) { v_.sizeFixedRow = Value; }
  bool DisjunctCellSelect() const { return v_.disjunctCellSelect; }
  void SetDisjunctCellSelect(bool Value) { v_.disjunctCellSelect = Value; }
  TGridFixedCellEdit FixedRowsEdit() const { return v_.fixedRowsEdit; }
  void SetFixedRowsEdit(TGridFixedCellEdit Value) { v_.fixedRowsEdit = Value; }
  TGridFixedCellEdit FixedColsEdit() const { return v_.fixedColsEdit; }
  void SetFixedColsEdit(TGridFixedCellEdit Value) { v_.fixedColsEdit = Value; }
  TGridFixedCellEditor FixedRowsEditor() const { return v_.fixedRowsEditor; }
  void SetFixedRowsEditor(TGridFixedCellEditor Value) { v_.fixedRowsEditor = Value; }
  TGridFixedCellEditor FixedColsEditor() const { return v_.fixedColsEditor; }
  void SetFixedColsEditor(TGridFixedCellEditor Value) { v_.fixedColsEditor = Value; }
  // Column 0 gets a check box per row that selects it; switching it on also switches on DisjunctRowSelect
  // and CheckAllCheck. Every write asks the grid to repaint (OnRepaint).
  bool HotmailRowSelect() const { return v_.hotmailRowSelect; }
  void SetHotmailRowSelect(bool Value);
  bool RangeSelectAndEdit() const { return v_.rangeSelectAndEdit; }
  void SetRangeSelectAndEdit(bool Value) { v_.rangeSelectAndEdit = Value; }
  bool NoAutoRangeScroll() const { return v_.noAutoRangeScroll; }
  void SetNoAutoRangeScroll(bool Value) { v_.noAutoRangeScroll = Value; }
  bool PreciseCheckBoxCheck() const { return v_.preciseCheckBoxCheck; }
  void SetPreciseCheckBoxCheck(bool Value) { v_.preciseCheckBoxCheck = Value; }
  bool PreciseNodeClick() const { return v_.preciseNodeClick; }
  void SetPreciseNodeClick(bool Value) { v_.preciseNodeClick = Value; }
  bool CheckAllCheck() const { return v_.checkAllCheck; }
  void SetCheckAllCheck(bool Value) { v_.checkAllCheck = Value; }
  bool NodeAllExpandContract() const { return v_.nodeAllExpandContract; }
  void SetNodeAllExpandContract(bool Value) { v_.nodeAllExpandContract = Value; }
  bool MoveRowOnNodeClick() const { return v_.moveRowOnNodeClick; }
  void SetMoveRowOnNodeClick(bool Value) { v_.moveRowOnNodeClick = Value; }
  bool RowSelectPersistent() const { return v_.rowSelectPersistent; }
  void SetRowSelectPersistent(bool Value) { v_.rowSelectPersistent = Value; }
  bool SelectOnRightClick() const { return v_.selectOnRightClick; }
  void SetSelectOnRightClick(bool Value) { v_.selectOnRightClick = Value; }
  bool NoScrollOnPartialRow() const { return v_.noScrollOnPartialRow; }
  void SetNoScrollOnPartialRow(bool Value) { v_.noScrollOnPartialRow = Value; }
  // Rows per wheel notch; below 1 the grid's own step.
  int WheelIncrement() const { return v_.wheelIncrement; }
  void SetWheelIncrement(int Value) { v_.wheelIncrement = Value; }
  TWheelAction WheelAction() const { return v_.wheelAction; }
  void SetWheelAction(TWheelAction Value);
  bool AutoSizeColOnDblClick() const { return v_.autoSizeColOnDblClick; }
  void SetAutoSizeColOnDblClick(bool Value) { v_.autoSizeColOnDblClick = Value; }
  // Only a double click opens the editor; switching it on fires OnEditOff.
  bool EditOnDblClickOnly() const { return v_.editOnDblClickOnly; }
  void SetEditOnDblClickOnly(bool Value);
  bool DisjunctRowSelectNoCtrl() const { return v_.disjunctRowSelectNoCtrl; }
  void SetDisjunctRowSelectNoCtrl(bool Value) { v_.disjunctRowSelectNoCtrl = Value; }
  // The items of the fixed cells' combo editor; owned, the setter copies the given list's items.
  fw::TStringList* FixedComboValues() { return &fixedComboValues_; }
  void SetFixedComboValues(fw::TStrings* Value) { fixedComboValues_.Assign(Value); }

  // Not stored with the form; set by the owning grid (sender: this object). OnChange: WheelAction changed.
  // OnRepaint: HotmailRowSelect written. OnEditOff: EditOnDblClickOnly switched on.
  fw::TNotifyEvent OnChange;
  fw::TNotifyEvent OnRepaint;
  fw::TNotifyEvent OnEditOff;

 private:
  // The stored switches, in the order the form stream has them (FixedComboValues last).
  struct Values {
    bool colSelect = false;
    bool rowSelect = false;
    bool allSelect = false;
    bool directEdit = false;
    bool directComboDrop = false;
    bool directComboClose = false;
    bool directDateClose = false;
    bool directDateDrop = false;
    bool disjunctRowSelect = false;
    bool disjunctColSelect = false;
    bool allColumnSize = false;
    bool allRowSize = false;
    bool caretPositioning = false;
    bool sizeFixedCol = false;
    bool sizeFixedRow = false;
    bool disjunctCellSelect = false;
    TGridFixedCellEdit fixedRowsEdit = fceNone;
    TGridFixedCellEdit fixedColsEdit = fceNone;
    TGridFixedCellEditor fixedRowsEditor = fceEdit;
    TGridFixedCellEditor fixedColsEditor = fceEdit;
    bool hotmailRowSelect = false;
    bool rangeSelectAndEdit = false;
    bool noAutoRangeScroll = false;
    bool preciseCheckBoxCheck = false;
    bool preciseNodeClick = true;
    bool checkAllCheck = false;
    bool nodeAllExpandContract = false;
    bool moveRowOnNodeClick = false;
    bool rowSelectPersistent = false;
    bool selectOnRightClick = false;
    bool noScrollOnPartialRow = false;
    int wheelIncrement = 0;
    TWheelAction wheelAction = waMoveSelection;
    bool autoSizeColOnDblClick = true;
    bool editOnDblClickOnly = false;
    bool disjunctRowSelectNoCtrl = false;
  };
  Values v_;
  fw::TStringList fixedComboValues_;
};

}  // namespace ui
