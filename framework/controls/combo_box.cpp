#include "framework/controls/combo_box.h"

#include <algorithm>

#include "framework/graphics/canvas_scope.h"

namespace fw {

namespace {
const ListMessages kComboBoxMessages{CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT, CB_GETCURSEL, CB_SETCURSEL};
}

TCustomComboBox::TCustomComboBox(TComponent* AOwner) : TCustomListControl(AOwner, kComboBoxMessages) {
  SetBoundsFields(0, 0, 145, 21);
}

void TCustomComboBox::CreateParams(TCreateParams& Params) {
  TCustomListControl::CreateParams(Params);
  CreateSubClass(Params, "COMBOBOX");
  Params.Style |= CBS_HASSTRINGS | CBS_AUTOHSCROLL | WS_VSCROLL;
  switch (style_) {
    case csDropDown: Params.Style |= CBS_DROPDOWN; break;
    case csSimple: Params.Style |= CBS_SIMPLE; break;
    case csDropDownList: Params.Style |= CBS_DROPDOWNLIST; break;
    case csOwnerDrawFixed: Params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED; break;
    case csOwnerDrawVariable: Params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE; break;
  }
  // A combo box's window height covers its dropped-down list.
  if (style_ != csSimple) Params.Height = Height() + dropDownCount_ * itemHeight_ + 2;
}

void TCustomComboBox::CreateWnd() {
  TCustomListControl::CreateWnd();
  // Selecting the stored item wrote its text into the edit part: what was typed there comes back.
  if (!PickOnly()) SetWindowTextA(Handle(), TControl::GetText().c_str());
  SendMessageA(Handle(), CB_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  HookChildren();
}

void TCustomComboBox::SetMaxLength(int value) {
  maxLength_ = std::max(value, 0);
  if (HandleAllocated()) SendMessageA(Handle(), CB_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomComboBox::SetStyle(TComboBoxStyle value) {
  if (style_ == value) return;
  style_ = value;
  RecreateWnd();
}

void TCustomComboBox::SetItemHeight(int value) {
  itemHeight_ = std::max(value, 1);
  if (HandleAllocated() && OwnerDrawn()) SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, itemHeight_);
}

void TCustomComboBox::SetDropDownCount(int value) { dropDownCount_ = std::max(value, 1); }

bool TCustomComboBox::DroppedDown() {
  return HandleAllocated() && SendMessageA(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool value) {
  // Only a window can drop down: without one the combo box stays closed.
  if (HandleAllocated() && style_ != csSimple) SendMessageA(Handle(), CB_SHOWDROPDOWN, value, 0);
}

void TCustomComboBox::SetItemIndex(int value) {
  TCustomListControl::SetItemIndex(value);
  // Without a window the edit part shows the picked item as the window would.
  if (!HandleAllocated() && !PickOnly() && ItemIndex() >= 0) TControl::StoreText(Items()->Strings(ItemIndex()));
}

std::string TCustomComboBox::GetText() {
  if (!PickOnly()) return TCustomListControl::GetText();
  const int index = ItemIndex();
  return index >= 0 ? Items()->Strings(index) : std::string();
}

void TCustomComboBox::StoreText(const std::string& value) {
  if (!PickOnly()) {
    TCustomListControl::StoreText(value);
    return;
  }
  const int index = Items()->IndexOf(value);
  if (index >= 0) SetItemIndex(index);
}

void TCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TCustomComboBox::Select() {
  if (OnSelect) {
    OnSelect(this);
  } else {
    Change();
  }
}

void TCustomComboBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
  if (OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  canvas_.FillRect(Rect);
  if (Index >= 0 && Index < Items()->Count()) canvas_.TextOut(Rect.Left + 2, Rect.Top, Items()->Strings(Index));
}

void TCustomComboBox::MeasureItem(int Index, int& Height) {
  if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

void TCustomComboBox::HandleCommand(WORD code) {
  switch (code) {
    case CBN_SELCHANGE:
      // The edit part shows the pick only after this notification: show it now for the handlers.
      if (!PickOnly() && ItemIndex() >= 0) TControl::SetText(Items()->Strings(ItemIndex()));
      Click();
      Select();
      break;
    case CBN_EDITCHANGE: Change(); break;
    case CBN_DROPDOWN:
      if (OnDropDown) OnDropDown(this);
      break;
    case CBN_CLOSEUP:
      if (OnCloseUp) OnCloseUp(this);
      break;
    default: break;
  }
}

void TCustomComboBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      HandleCommand(HIWORD(Message.WParam));
      return;
    case CN_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
      TOwnerDrawState state = OwnerDrawState(item->itemState);
      CanvasDCScope scope(&canvas_, item->hDC);
      canvas_.SetFont(Font());
      if (state.Contains(odSelected)) {
        canvas_.Brush()->SetColor(clHighlight);
        canvas_.Font()->SetColor(clHighlightText);
      } else {
        canvas_.Brush()->SetColor(Color());
      }
      DrawItem(static_cast<int>(item->itemID), TRect::FromRECT(item->rcItem), state);
      Message.Result = TRUE;
      return;
    }
    case CN_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
      int height = itemHeight_;
      if (style_ == csOwnerDrawVariable && static_cast<int>(item->itemID) >= 0) {
        MeasureItem(static_cast<int>(item->itemID), height);
      }
      item->itemHeight = static_cast<UINT>(std::max(height, 1));
      Message.Result = TRUE;
      return;
    }
    default:
      break;
  }
  TCustomListControl::Dispatch(Message);
}

}  // namespace fw
