// TNavigation: the grid's keyboard switches: inserting and deleting rows by key, advancing on Enter, Tab
// and the cursor keys, typing to find in the sort column, the clipboard keys and how the editors walk.
// The grid's keyboard, clipboard and editors read them. GUI thread only.
#pragma once

#include <cstdint>

#include "framework/classes/events.h"
#include "framework/classes/persistent.h"

namespace ui {

enum TClipboardPasteAction : std::uint8_t { paReplace, paInsert };
enum TAdvanceDirection : std::uint8_t { adLeftRight, adTopBottom };
enum TInsertPosition : std::uint8_t { pInsertBefore, pInsertAfter };
enum THomeEndAction : std::uint8_t { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
// Left and Right at the ends of a row: stop, go on in the previous or next row, or wrap within the row.
enum TCursorAdvance : std::uint8_t { caDefault, caSnake, caLoop };

class TNavigation : public fw::TPersistent {
 public:
  // Another navigation object: every switch copied as it is, no notification. Any other source is ignored.
  void Assign(fw::TPersistent* Source) override;

  bool AllowInsertRow() const { return v_.allowInsertRow; }
  void SetAllowInsertRow(bool Value) { v_.allowInsertRow = Value; }
  bool AllowDeleteRow() const { return v_.allowDeleteRow; }
  void SetAllowDeleteRow(bool Value) { v_.allowDeleteRow = Value; }
  bool AdvanceOnEnter() const { return v_.advanceOnEnter; }
  void SetAdvanceOnEnter(bool Value) { v_.advanceOnEnter = Value; }
  // Advancing from the last row appends one (from the last column, top to bottom, adds a column).
  bool AdvanceInsert() const { return v_.advanceInsert; }
  void SetAdvanceInsert(bool Value);
  bool AutoGotoWhenSorted() const { return v_.autoGotoWhenSorted; }
  void SetAutoGotoWhenSorted(bool Value) { v_.autoGotoWhenSorted = Value; }
  bool AutoGotoIncremental() const { return v_.autoGotoIncremental; }
  void SetAutoGotoIncremental(bool Value) { v_.autoGotoIncremental = Value; }
  bool AutoComboDropSize() const { return v_.autoComboDropSize; }
  void SetAutoComboDropSize(bool Value) { v_.autoComboDropSize = Value; }
  bool AllowClipboardShortCuts() const { return v_.allowClipboardShortCuts; }
  void SetAllowClipboardShortCuts(bool Value) { v_.allowClipboardShortCuts = Value; }
  bool AllowRTFClipboard() const { return v_.allowRTFClipboard; }
  void SetAllowRTFClipboard(bool Value) { v_.allowRTFClipboard = Value; }
  bool AllowSmartClipboard() const { return v_.allowSmartClipboard; }
  void SetAllowSmartClipboard(bool Value) { v_.allowSmartClipboard = Value; }
  bool AllowClipboardAlways() const { return v_.allowClipboardAlways; }
  void SetAllowClipboardAlways(bool Value) { v_.allowClipboardAlways = Value; }
  bool AllowClipboardColGrow() const { return v_.allowClipboardColGrow; }
  void SetAllowClipboardColGrow(bool Value) { v_.allowClipboardColGrow = Value; }
  bool AllowClipboardRowGrow() const { return v_.allowClipboardRowGrow; }
  void SetAllowClipboardRowGrow(bool Value) { v_.allowClipboardRowGrow = Value; }
  TClipboardPasteAction ClipboardPasteAction() const { return v_.clipboardPasteAction; }
  void SetClipboardPasteAction(TClipboardPasteAction Value) { v_.clipboardPasteAction = Value; }
  bool CopyHTMLTagsToClipboard() const { return v_.copyHTMLTagsToClipboard; }
  void SetCopyHTMLTagsToClipboard(bool Value) { v_.copyHTMLTagsToClipboard = Value; }
  TAdvanceDirection AdvanceDirection() const { return v_.advanceDirection; }
  void SetAdvanceDirection(TAdvanceDirection Value);
  // An editor advances when its text reaches its maximum length; switching it on also sets AdvanceOnEnter.
  bool AdvanceAuto() const { return v_.advanceAuto; }
  void SetAdvanceAuto(bool Value);
  bool AdvanceAutoEdit() const { return v_.advanceAutoEdit; }
  void SetAdvanceAutoEdit(bool Value) { v_.advanceAutoEdit = Value; }
  bool CursorWalkEditor() const { return v_.cursorWalkEditor; }
  void SetCursorWalkEditor(bool Value) { v_.cursorWalkEditor = Value; }
  bool CursorWalkAlwaysEdit() const { return v_.cursorWalkAlwaysEdit; }
  void SetCursorWalkAlwaysEdit(bool Value) { v_.cursorWalkAlwaysEdit = Value; }
  bool MoveRowOnSort() const { return v_.moveRowOnSort; }
  void SetMoveRowOnSort(bool Value) { v_.moveRowOnSort = Value; }
  bool KeepScrollOnSort() const { return v_.keepScrollOnSort; }
  void SetKeepScrollOnSort(bool Value) { v_.keepScrollOnSort = Value; }
  bool ImproveMaskSel() const { return v_.improveMaskSel; }
  void SetImproveMaskSel(bool Value) { v_.improveMaskSel = Value; }
  bool AlwaysEdit() const { return v_.alwaysEdit; }
  void SetAlwaysEdit(bool Value) { v_.alwaysEdit = Value; }
  TInsertPosition InsertPosition() const { return v_.insertPosition; }
  void SetInsertPosition(TInsertPosition Value) { v_.insertPosition = Value; }
  bool LineFeedOnEnter() const { return v_.lineFeedOnEnter; }
  void SetLineFeedOnEnter(bool Value) { v_.lineFeedOnEnter = Value; }
  THomeEndAction HomeEndKey() const { return v_.homeEndKey; }
  void SetHomeEndKey(THomeEndAction Value) { v_.homeEndKey = Value; }
  bool KeepHorizScroll() const { return v_.keepHorizScroll; }
  void SetKeepHorizScroll(bool Value) { v_.keepHorizScroll = Value; }
  bool AllowFmtClipboard() const { return v_.allowFmtClipboard; }
  void SetAllowFmtClipboard(bool Value) { v_.allowFmtClipboard = Value; }
  bool TabToNextAtEnd() const { return v_.tabToNextAtEnd; }
  void SetTabToNextAtEnd(bool Value) { v_.tabToNextAtEnd = Value; }
  bool EditSelectAll() const { return v_.editSelectAll; }
  void SetEditSelectAll(bool Value) { v_.editSelectAll = Value; }
  TAdvanceDirection TabAdvanceDirection() const { return v_.tabAdvanceDirection; }
  void SetTabAdvanceDirection(TAdvanceDirection Value) { v_.tabAdvanceDirection = Value; }
  bool SkipFixedCells() const { return v_.skipFixedCells; }
  void SetSkipFixedCells(bool Value) { v_.skipFixedCells = Value; }
  bool SkipDisabledRows() const { return v_.skipDisabledRows; }
  void SetSkipDisabledRows(bool Value) { v_.skipDisabledRows = Value; }
  bool AllowCtrlEnter() const { return v_.allowCtrlEnter; }
  void SetAllowCtrlEnter(bool Value) { v_.allowCtrlEnter = Value; }
  bool AppendOnArrowDown() const { return v_.appendOnArrowDown; }
  void SetAppendOnArrowDown(bool Value) { v_.appendOnArrowDown = Value; }
  bool LeftRightRowSelect() const { return v_.leftRightRowSelect; }
  void SetLeftRightRowSelect(bool Value) { v_.leftRightRowSelect = Value; }
  bool MoveScrollOnly() const { return v_.moveScrollOnly; }
  void SetMoveScrollOnly(bool Value) { v_.moveScrollOnly = Value; }
  bool ComboGetUpDown() const { return v_.comboGetUpDown; }
  void SetComboGetUpDown(bool Value) { v_.comboGetUpDown = Value; }
  bool AdvanceOnEnterLoop() const { return v_.advanceOnEnterLoop; }
  void SetAdvanceOnEnterLoop(bool Value) { v_.advanceOnEnterLoop = Value; }
  TCursorAdvance CursorAdvance() const { return v_.cursorAdvance; }
  void SetCursorAdvance(TCursorAdvance Value) { v_.cursorAdvance = Value; }

  // Not stored with the form: set by the owning grid, fired when AdvanceDirection or AdvanceInsert changes.
  fw::TNotifyEvent OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange(this);
  }

  // The stored switches, in the order the form stream has them.
  struct Values {
    bool allowInsertRow = false;
    bool allowDeleteRow = false;
    bool advanceOnEnter = false;
    bool advanceInsert = false;
    bool autoGotoWhenSorted = false;
    bool autoGotoIncremental = false;
    bool autoComboDropSize = false;
    bool allowClipboardShortCuts = false;
    bool allowRTFClipboard = false;
    bool allowSmartClipboard = false;
    bool allowClipboardAlways = false;
    bool allowClipboardColGrow = true;
    bool allowClipboardRowGrow = true;
    TClipboardPasteAction clipboardPasteAction = paReplace;
    bool copyHTMLTagsToClipboard = true;
    TAdvanceDirection advanceDirection = adLeftRight;
    bool advanceAuto = false;
    bool advanceAutoEdit = true;
    bool cursorWalkEditor = false;
    bool cursorWalkAlwaysEdit = true;
    bool moveRowOnSort = false;
    bool keepScrollOnSort = false;
    bool improveMaskSel = false;
    bool alwaysEdit = false;
    TInsertPosition insertPosition = pInsertBefore;
    bool lineFeedOnEnter = false;
    THomeEndAction homeEndKey = heFirstLastColumn;
    bool keepHorizScroll = false;
    bool allowFmtClipboard = false;
    bool tabToNextAtEnd = false;
    bool editSelectAll = true;
    TAdvanceDirection tabAdvanceDirection = adLeftRight;
    bool skipFixedCells = true;
    bool skipDisabledRows = true;
    bool allowCtrlEnter = true;
    bool appendOnArrowDown = false;
    bool leftRightRowSelect = true;
    bool moveScrollOnly = false;
    bool comboGetUpDown = true;
    bool advanceOnEnterLoop = true;
    TCursorAdvance cursorAdvance = caDefault;
  };
  Values v_;
};

}  // namespace ui
