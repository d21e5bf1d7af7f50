// TVxMemoDropDown: a one-line edit standing for a text of several lines. The lines live in MemoText; the
// pop-up holds a borderless memo in which they are edited, and the edit shows the first line, shortened to
// the edit's width or followed by "..." when there are more lines.
//
// While the pop-up is open the memo holds a working copy: a close without cancelling (including a close by
// activating another window) takes it into MemoText, Esc drops it. Typing into the edit (with the editor
// enabled) makes MemoText that one line. With AutoDrop the pop-up opens whenever the control gets the focus,
// but not when the focus comes back from the pop-up closing. GUI thread only.
#pragma once

#include <memory>

#include "framework/classes/stringlist.h"
#include "framework/controls/memo.h"
#include "framework/controls/std_types.h"
#include "framework/menus/menu.h"
#include "ui/dropdown/dropdown_edit.h"

namespace ui {

class TVxMemoDropDown : public TVxCustomDropDown {
 public:
  explicit TVxMemoDropDown(fw::TComponent* AOwner);
  ~TVxMemoDropDown() override;

  // Owned; writing assigns the given lines.
  fw::TStringList* MemoText() const { return memoText_.get(); }
  void SetMemoText(fw::TStrings* Value) { memoText_->Assign(Value); }
  // Given to the memo at each opening.
  fw::TPopupMenu* MemoPopup() const { return memoPopup_; }
  void SetMemoPopup(fw::TPopupMenu* Value) { memoPopup_ = Value; }
  fw::TScrollStyle MemoScrollBars() const { return memoScrollBars_; }
  void SetMemoScrollBars(fw::TScrollStyle Value) { memoScrollBars_ = Value; }
  bool MemoReadOnly() const { return memoReadOnly_; }
  void SetMemoReadOnly(bool Value);
  bool AutoDrop() const { return autoDrop_; }
  void SetAutoDrop(bool Value) { autoDrop_ = Value; }

  // The memo in the pop-up; absent before the pop-up is made.
  fw::TMemo* Memo() const { return memo_; }

  // Whenever the memo's text changes: typed, or loaded and reset by the control.
  fw::TNotifyEvent OnMemoChange;

  // ---- the drop-down protocol ----
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void HideDropDown(bool Cancel) override;
  void AfterDropUp() override;
  void DropDownControlKeyDown(WORD& Key, fw::TShiftState Shift) override;
  void DropDownControlKeyUp(WORD& Key, fw::TShiftState Shift) override;
  void DropDownControlKeyPress(char& Key) override;

 protected:
  void Change() override;
  void DoEnter() override;

 private:
  // Shows the first line of MemoText in the edit.
  void MemoTextChanged();
  // The first line as the edit shows it: shortened to the edit's width, or followed by "..." for more lines.
  std::string ShownText();

  fw::TPopupMenu* memoPopup_ = nullptr;
  std::unique_ptr<fw::TStringList> memoText_;
  fw::TMemo* memo_ = nullptr;
  fw::TScrollStyle memoScrollBars_ = fw::ssNone;
  bool memoReadOnly_ = false;
  bool internalUpdate_ = false;
  bool autoDrop_ = false;
};

}  // namespace ui
