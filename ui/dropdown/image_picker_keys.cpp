// The image picker drop-down's keys, wheel and type-ahead search.
#include <windows.h>

#include <algorithm>

#include "framework/services/keystate.h"
#include "ui/dropdown/image_picker_dropdown.h"

namespace ui {

void TVxImagePickerDropDown::SelectNextItem() {
  TVxCustomDropDown::SelectNextItem();
  if (!Enabled() || ReadOnly() || selector_ == nullptr) return;
  if (DroppedDown()) {
    selector_->HotNext();
    return;
  }
  PrepareClosedSelector();
  InternalCall([&] { selector_->SelectNext(); });
}

void TVxImagePickerDropDown::SelectPreviousItem() {
  TVxCustomDropDown::SelectPreviousItem();
  if (!Enabled() || ReadOnly() || selector_ == nullptr) return;
  if (DroppedDown()) {
    selector_->HotPrevious();
    return;
  }
  PrepareClosedSelector();
  InternalCall([&] { selector_->SelectPrevious(); });
}

void TVxImagePickerDropDown::WndProc(fw::TMessage& Message) {
  if (Message.Msg != WM_KEYDOWN || ComponentState().Contains(fw::csDesigning)) {
    TVxCustomDropDown::WndProc(Message);
    return;
  }
  const auto key = static_cast<WORD>(Message.WParam);
  // Enter on the hot item of the open list chooses it, which closes the pop-up.
  bool enterChoseHotItem = false;
  if (Enabled() && DroppedDown() && key == VK_RETURN && selector_ != nullptr && selector_->HotIndex() >= 0) {
    selector_->SetItemIndex(selector_->HotIndex());
    enterChoseHotItem = true;
  }
  TVxCustomDropDown::WndProc(Message);
  if (!Enabled() || fw::IsKeyDown(VK_MENU)) return;
  KeyAfterBase(key, enterChoseHotItem);
}

void TVxImagePickerDropDown::KeyAfterBase(WORD Key, bool EnterChoseHotItem) {
  const bool open = DroppedDown();
  switch (Key) {
    case VK_RETURN:
      if (!EnterChoseHotItem && OnSelect) OnSelect(this);
      return;
    case VK_PRIOR:
    case VK_NEXT: {
      if (selector_ == nullptr) return;
      if (SelectorStale()) {
        PrepareSelector();
      } else {
        PrepareClosedSelector();
      }
      const int page = selector_->PageItemCount();
      if (page <= 0) return;
      const int current = selector_->ItemIndex();
      const int target = Key == VK_PRIOR ? std::max(current - page, 0) : std::min(current + page, items_->Count() - 1);
      if (target >= 0 && target < selector_->Items()->Count()) SelectInList(target);
      return;
    }
    case VK_END:
    case VK_HOME:
      if (open && selector_ != nullptr) {
        InternalCall([&] {
          if (Key == VK_END) {
            selector_->SelectLast();
          } else {
            selector_->SelectFirst();
          }
        });
      } else if (Key == VK_END) {
        SelectLast();
      } else {
        SelectFirst();
      }
      return;
    case VK_LEFT:
    case VK_RIGHT:
      if (open && !EditorEnabled() && selector_ != nullptr) {
        InternalCall([&] {
          if (Key == VK_LEFT) {
            selector_->SelectPrevious();
          } else {
            selector_->SelectNext();
          }
        });
      }
      return;
    case VK_UP:
    case VK_DOWN:
      if (open && selector_ != nullptr) {
        const int current = selector_->ItemIndex();
        int target = 0;
        if (current >= 0) target = Key == VK_UP ? current - columns_ : current + columns_;
        if (target >= 0 && target < selector_->Items()->Count()) SelectInList(target);
      } else if (Key == VK_UP) {
        SelectPrevious();
      } else {
        SelectNext();
      }
      return;
    default:
      if (fw::IsKeyDown(VK_CONTROL) || selector_ == nullptr) return;
      searchText_ += static_cast<char>(Key);
      PrepareClosedSelector();
      InternalCall([&] { selector_->LookupItem(searchText_); });
      // Restarted: the search text is kept until 500 ms after the last key.
      keyTimer_->SetEnabled(false);
      keyTimer_->SetEnabled(true);
      return;
  }
}

}  // namespace ui
