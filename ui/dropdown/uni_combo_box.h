#pragma once
// A combo box whose window and edit and list children are Unicode windows, whose Text is a wide string
// and whose Items (TComboBoxStrings) live in the window itself; they are carried over when the window is
// made anew. Typing in the edit child runs the framework's key-press handling (OnKeyPress sees 255 for a
// character above U+00FF; a handler that clears it stops it), then EditCharHook; Enter and Esc close a
// dropped-down list and go no further. Picking an item sets Text to it, then fires OnClick and OnChange.
// An exception in the children's handling goes to the application's handler.
//
// Text, Items, Sorted and Clear here are the wide ones; the framework's 8-bit item list of the combo
// box stays empty.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/controls/combo_box.h"
#include "ui/dropdown/combo_box_strings.h"

namespace ui {

class TCustomUNIComboBox : public fw::TCustomComboBox {
 public:
  explicit TCustomUNIComboBox(fw::TComponent* AOwner);
  ~TCustomUNIComboBox() override;

  TWideStrings* Items() const { return items_.get(); }
  void SetItems(TWideStrings* value) { items_->Assign(value); }
  std::wstring Text();
  void SetText(std::wstring_view value);
  void Clear() { items_->Clear(); }
  // Sorted lists are sorted by the window (case ignored).
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  void SetItemIndex(int value) override;

  void Dispatch(fw::TMessage& Message) override;

 protected:
  void CreateParams(fw::TCreateParams& Params) override;
  void CreateWindowHandle(const fw::TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void ComboWndProc(fw::TMessage& Message, HWND ChildWindow, WNDPROC ChildProc) override;
  // Every WM_CHAR that reaches the edit or list child, before it goes on.
  virtual void EditCharHook(fw::TMessage& Message);
  void KeyPress(char& Key) override;
  // The Unicode entry of a child's own procedure that the framework handed on as its 8-bit entry
  // (ChildProc itself for any other procedure).
  static WNDPROC WideChildProc(HWND ChildWindow, WNDPROC ChildProc);

 private:
  void ChildChar(fw::TMessage& Message, HWND ChildWindow, WNDPROC ChildProc);
  void SwitchChildToUnicode(HWND Child);
  struct SavedItem {
    std::wstring text;
    LPARAM data;
  };

  std::unique_ptr<TComboBoxStrings> items_;
  bool sorted_ = false;
  std::vector<SavedItem> savedItems_;
  int savedIndex_ = -1;
};

}  // namespace ui
