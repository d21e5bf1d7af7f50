// The multi-column drop-down's keys while its list has the focus: the page and arrow keys stay in the
// list, every other key goes on to the edit, and typed characters search the rows incrementally by their
// lookup text, the found row's text shown in the edit with the typed part before the caret.
#include <windows.h>

#include "framework/services/keystate.h"
#include "ui/dropdown/multi_column_dropdown.h"

namespace ui {

namespace {

// The keys the list moves its current row with itself.
bool ListKey(WORD Key) { return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN; }

}  // namespace

void TVxMultiColumnDropDown::DropDownControlKeyDown(WORD& Key, fw::TShiftState Shift) {
  if (ListKey(Key) && !Shift.Contains(fw::ssAlt)) return;
  TVxCustomDropDown::DropDownControlKeyDown(Key, Shift);
}

void TVxMultiColumnDropDown::DropDownControlKeyUp(WORD& Key, fw::TShiftState Shift) {
  if (ListKey(Key) && !Shift.Contains(fw::ssAlt)) return;
  TVxCustomDropDown::DropDownControlKeyUp(Key, Shift);
}

void TVxMultiColumnDropDown::DropDownControlKeyPress(char& Key) {
  const bool closing = (Key == '\r' || Key == '\x1b') && !fw::IsKeyDown(VK_MENU);
  if (closing || (grid_ != nullptr && grid_->Options().Contains(fw::goEditing))) {
    lookupEntry_.clear();
    return;
  }
  if (Key == '\b') {
    ListBackspace();
    lookupEntry_.clear();
    return;
  }
  if (Key != '\t') lookupEntry_ += Key;
  const int found = SearchList(Key);
  if (found < 0) {
    lookupEntry_.clear();
    return;
  }
  ShowFoundRow(found);
}

void TVxMultiColumnDropDown::ListBackspace() {
  const std::string text = Text();
  const int start = SelStart();
  const int length = SelLength();
  if (length > 0) {
    std::string rest = text;
    rest.erase(static_cast<size_t>(start), static_cast<size_t>(length));
    SetText(rest);
    SetSelStart(static_cast<int>(rest.size()));
    return;
  }
  std::string entry = lookupEntry_;
  if (!entry.empty()) entry.pop_back();
  SetText(entry);
  SetSelStart(static_cast<int>(entry.size()));
}

int TVxMultiColumnDropDown::SearchList(char Key) {
  if (grid_ == nullptr) return -1;
  int found = FindPrefix(lookupEntry_, caseSensitive_);
  if (found >= 0) {
    itemIndex_ = found;
    SetText(LookupText(found));
    const int typed = static_cast<int>(lookupEntry_.size());
    SetSelStart(typed);
    SetSelLength(static_cast<int>(Text().size()) - typed);
    return found;
  }
  // The entry leads nowhere: the typed character starts a new one.
  found = FindPrefix(std::string(1, Key), caseSensitive_);
  if (found < 0) return -1;
  itemIndex_ = found;
  SetText(LookupText(found));
  lookupEntry_ = std::string(1, Key);
  return found;
}

void TVxMultiColumnDropDown::ShowFoundRow(int Index) {
  TMultiColumnGrid& grid = *grid_;
  const int row = grid.FixedRows() + Index;
  if (row >= grid.RowCount()) return;
  if (row > grid.TopRow() + grid.VisibleRowCount() || row < grid.TopRow()) grid.SetTopRow(row);
  grid.SetRow(row);
  grid.SetCol(0);
}

}  // namespace ui
