// A multi-column drop-down on a shown form, filled with rows of texts, and the edit's state read after each
// message posted to it or to its list.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/ui_dropdown/popup_test_support.h"
#include "ui/dropdown/multi_column_dropdown.h"

namespace ui::testing {

using Rows = std::vector<std::vector<std::string>>;

// The edit's text, selection and the control's ItemIndex.
struct EditState {
  std::string Text;
  int SelStart = 0;
  int SelLength = 0;
  int ItemIndex = -1;
  friend bool operator==(const EditState&, const EditState&) = default;
  friend std::ostream& operator<<(std::ostream& out, const EditState& s) {
    return out << '"' << s.Text << "\" sel " << s.SelStart << '+' << s.SelLength << " index " << s.ItemIndex;
  }
};

class MultiColumnTest : public PopupTest {
 public:
  // Columns of Width 80 and the rows, filled the way the grid's cell editor fills them.
  TVxMultiColumnDropDown* MakeList(const Rows& rows = {{"Apple", "red"}, {"Banana", "yellow"}}, int columns = 2) {
    auto* list = MakeDropDown<TVxMultiColumnDropDown>();
    for (int c = 0; c < columns; ++c) list->Columns()->Add();
    Fill(list, rows);
    Form()->Show();
    ProcessMessages();
    return list;
  }
  static void Fill(TVxMultiColumnDropDown* list, const Rows& rows) {
    list->BeginUpdate();
    list->Items()->Clear();
    for (const auto& row : rows) {
      TDropDownItem* item = list->Items()->Add();
      for (const std::string& text : row) item->Text()->Add(text);
    }
    list->EndUpdate();
  }
  static EditState State(TVxMultiColumnDropDown* list) {
    return EditState{list->Text(), list->SelStart(), list->SelLength(), list->ItemIndex()};
  }
  // One message handled, and what it posted, before the call returns. Sent, not posted: the message loop
  // would translate a posted key-down into a character of its own.
  void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam = 0) {
    SendMessageA(window, message, wParam, lParam);
    ProcessMessages();
  }
  void KeyDown(HWND window, WORD key) { Post(window, WM_KEYDOWN, key); }
  void KeyUp(HWND window, WORD key) { Post(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000000u)); }
  void Char(HWND window, char c) { Post(window, WM_CHAR, static_cast<unsigned char>(c)); }
  // A whole key stroke: down, the character (when there is one) and up.
  void Stroke(HWND window, WORD key, char c = 0) {
    KeyDown(window, key);
    if (c != 0) Char(window, c);
    KeyUp(window, key);
  }
  // Opens the list; false when the pop-up did not show.
  bool OpenList(TVxMultiColumnDropDown* list) {
    Open(list);
    return list->DropDownForm() != nullptr && list->DropDownForm()->Visible() && list->ListGrid() != nullptr;
  }
};

}  // namespace ui::testing
