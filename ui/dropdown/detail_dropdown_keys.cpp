// The detail drop-down's keys, wheel, incremental search and auto-completion.
#include <windows.h>

#include <algorithm>
#include <utility>

#include "framework/services/keystate.h"
#include "ui/dropdown/detail_dropdown.h"
#include "ui/dropdown/dropdown_drawing.h"

namespace ui {

namespace {

constexpr std::size_t kMaxCompletedText = 255;

std::string Upper(const std::string& Text) {
  std::string result;
  dropdown::CaseText(Text, false, result);
  return result;
}

}  // namespace

// ---- the wheel ----

void TVxDetailDropDown::SelectNextItem() {
  TVxCustomDropDown::SelectNextItem();
  if (!DroppedDown() || selector_ == nullptr) {
    SelectNext();
    return;
  }
  const int current = selector_->ItemIndex();
  const int target = current < 0 ? 0 : current + 1;
  if (target < selector_->Items()->Count()) SelectInList(target);
  Invalidate();
}

void TVxDetailDropDown::SelectPreviousItem() {
  TVxCustomDropDown::SelectPreviousItem();
  if (!DroppedDown() || selector_ == nullptr) {
    SelectPrevious();
    return;
  }
  const int current = selector_->ItemIndex();
  const int target = current < 0 ? 0 : current - 1;
  if (target >= 0 && target < selector_->Items()->Count()) SelectInList(target);
  Invalidate();
}

// ---- keys in the list ----

void TVxDetailDropDown::WndProc(fw::TMessage& Message) {
  if (Message.Msg == WM_KEYDOWN && !ComponentState().Contains(fw::csDesigning) && Enabled() &&
      !fw::IsKeyDown(VK_MENU)) {
    if (ListKey(static_cast<WORD>(Message.WParam))) {
      Message.WParam = 0;
      Message.Result = 1;
      return;
    }
  }
  TVxCustomDropDown::WndProc(Message);
}

bool TVxDetailDropDown::ListKey(WORD Key) {
  const bool open = DroppedDown();
  const bool consumedWhenOpen = open;
  switch (Key) {
    case VK_PRIOR:
    case VK_NEXT: {
      if (selector_ == nullptr) return consumedWhenOpen;
      if (selector_->Items()->Count() != items_->Count()) PrepareSelector();
      const int page = selector_->PageItemCount();
      if (page <= 0) return consumedWhenOpen;
      const int current = selector_->ItemIndex();
      const int target =
          Key == VK_PRIOR ? std::max(current - page, 0) : std::min(current + page, items_->Count() - 1);
      if (target >= 0 && target < selector_->Items()->Count()) SelectInList(target);
      return consumedWhenOpen;
    }
    case VK_END:
    case VK_HOME:
      if (open && selector_ != nullptr) {
        const bool previous = std::exchange(internalCall_, true);
        if (Key == VK_END) {
          selector_->SelectLast();
        } else {
          selector_->SelectFirst();
        }
        internalCall_ = previous;
      } else if (!open && !EditorEnabled()) {
        if (Key == VK_END) {
          SelectLast();
        } else {
          SelectFirst();
        }
      }
      return false;
    case VK_LEFT:
    case VK_RIGHT:
      if (open && !EditorEnabled() && selector_ != nullptr) {
        const bool previous = std::exchange(internalCall_, true);
        if (Key == VK_LEFT) {
          selector_->SelectPrevious();
        } else {
          selector_->SelectNext();
        }
        internalCall_ = previous;
      }
      return consumedWhenOpen;
    case VK_UP:
    case VK_DOWN:
      if (open && selector_ != nullptr) {
        const int current = selector_->ItemIndex();
        int target = 0;
        if (current >= 0) target = Key == VK_UP ? current - 1 : current + 1;
        if (target >= 0 && target < selector_->Items()->Count()) SelectInList(target);
        Invalidate();
      } else if (Key == VK_UP) {
        SelectPrevious();
      } else {
        SelectNext();
      }
      return consumedWhenOpen;
    default:
      if (fw::IsKeyDown(VK_CONTROL) || selector_ == nullptr) return false;
      searchText_ += static_cast<char>(Key);
      {
        const bool previous = std::exchange(internalCall_, true);
        try {
          selector_->LookupItem(searchText_);
        } catch (...) {
          internalCall_ = previous;
          throw;
        }
        internalCall_ = previous;
      }
      // Restarted: the search text is kept until 500 ms after the last key.
      keyTimer_->SetEnabled(false);
      keyTimer_->SetEnabled(true);
      return false;
  }
}

// ---- typing ----

void TVxDetailDropDown::KeyDown(WORD& Key, fw::TShiftState Shift) {
  if (items_ == nullptr || items_->Count() == 0) {
    TVxCustomDropDown::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_BACK || Key == VK_ESCAPE || Key == VK_DELETE) {
    autoCompletion_ = false;
  } else if (Key == VK_RETURN) {
    const int index = items_->IndexOfCaption(Text());
    if (index >= 0) {
      SetText(items_->Items(index)->Caption());
      SetItemIndex(index);
      Change();
    }
  } else {
    autoCompletion_ = true;
  }
  const bool escape = Key == VK_ESCAPE;
  TVxCustomDropDown::KeyDown(Key, Shift);
  if (escape) {
    const int index = items_->IndexOfCaption(Text());
    if (index >= 0) SetItemIndex(index);
  }
}

void TVxDetailDropDown::KeyUp(WORD& Key, fw::TShiftState Shift) {
  TVxCustomDropDown::KeyUp(Key, Shift);
  if (!pendingCompletion_) return;
  SetItemIndex(completedIndex_);
  pendingCompletion_ = false;
}

void TVxDetailDropDown::Change() {
  if (completing_) return;
  pendingCompletion_ = false;
  TVxCustomDropDown::Change();
  if (ComponentState().Contains(fw::csDesigning) || !autoCompletion_ || items_ == nullptr) return;
  // Modified against the text the editing started from.
  SetModifiedFlag(Text() != OldText());
  CompleteText();
}

void TVxDetailDropDown::CompleteText() {
  const std::string text = Text();
  const auto caret = static_cast<std::size_t>(std::max(SelStart(), 0));
  const std::string typed = text.substr(0, std::min(caret, text.size()));
  const std::string prefix = Upper(typed);
  if (!prefix.empty()) {
    for (int i = 0; i < items_->Count(); ++i) {
      const std::string& caption = items_->Items(i)->Caption();
      if (Upper(caption).rfind(prefix, 0) != 0) continue;
      std::string completed = text.substr(0, prefix.size()) + caption.substr(std::min(prefix.size(), caption.size()));
      if (completed.size() > kMaxCompletedText) completed.resize(kMaxCompletedText);
      itemIndex_ = i;
      const bool previous = std::exchange(completing_, true);
      try {
        SetText(completed);
      } catch (...) {
        completing_ = previous;
        throw;
      }
      completing_ = previous;
      pendingCompletion_ = true;
      completedIndex_ = i;
      completedPrefix_ = static_cast<int>(prefix.size());
      // From the end back to the end of the typed part: typing on replaces the completed tail.
      if (HandleAllocated()) {
        SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(completed.size()), static_cast<LPARAM>(prefix.size()));
      }
      return;
    }
  }
  if (typed.empty()) return;
  if (typed != text) {
    const bool previous = std::exchange(completing_, true);
    try {
      SetTextDirect(typed);
    } catch (...) {
      completing_ = previous;
      throw;
    }
    completing_ = previous;
  }
  SetSelStart(static_cast<int>(typed.size()));
  SetSelLength(0);
}

}  // namespace ui
