#include "framework/controls/check_list_box.h"

#include <algorithm>

#include "framework/controls/owner_draw.h"
#include "framework/graphics/canvas_scope.h"
#include "framework/rtl/exceptions.h"

namespace fw {

namespace {
// The check box sits in a square of the item's height at the item's left.
constexpr int kBoxSize = 13;
}

TCheckListBox::TCheckListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}

void TCheckListBox::CreateParams(TCreateParams& Params) {
  TCustomListBox::CreateParams(Params);
  Params.Style |= LBS_OWNERDRAWFIXED;
}

void TCheckListBox::CheckIndex(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(states_.size())) {
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  }
}

TCheckBoxState TCheckListBox::State(int Index) const {
  CheckIndex(Index);
  return states_[static_cast<size_t>(Index)];
}

void TCheckListBox::SetState(int Index, TCheckBoxState value) {
  CheckIndex(Index);
  if (states_[static_cast<size_t>(Index)] == value) return;
  states_[static_cast<size_t>(Index)] = value;
  InvalidateItem(Index);
}

void TCheckListBox::SetItemHeight(int value) {
  itemHeight_ = std::max(value, 1);
  if (HandleAllocated()) {
    SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, itemHeight_);
    InvalidateRect(Handle(), nullptr, TRUE);
  }
}

// A reload (sorting, a whole new list) keeps the states by position.
void TCheckListBox::ItemsReloaded() { states_.resize(static_cast<size_t>(Items()->Count()), cbUnchecked); }

void TCheckListBox::ItemAdded(int index) {
  states_.insert(states_.begin() + std::clamp(index, 0, static_cast<int>(states_.size())), cbUnchecked);
}

void TCheckListBox::ItemRemoved(int index) {
  if (index >= 0 && index < static_cast<int>(states_.size())) states_.erase(states_.begin() + index);
}

void TCheckListBox::InvalidateItem(int Index) {
  if (!HandleAllocated()) return;
  RECT rect{};
  if (SendMessageA(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&rect)) != LB_ERR) {
    InvalidateRect(Handle(), &rect, FALSE);
  }
}

void TCheckListBox::Toggle(int Index) {
  TCheckBoxState& state = states_[static_cast<size_t>(Index)];
  switch (state) {
    case cbUnchecked: state = allowGrayed_ ? cbGrayed : cbChecked; break;
    case cbGrayed: state = cbChecked; break;
    case cbChecked: state = cbUnchecked; break;
  }
  InvalidateItem(Index);
  ClickCheck();
}

void TCheckListBox::ClickCheck() {
  if (OnClickCheck) OnClickCheck(this);
}

void TCheckListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && HandleAllocated()) {
    const LRESULT hit = SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(X, Y));
    const int index = LOWORD(hit);
    // The high word is set when the point lies below the last item.
    if (HIWORD(hit) == 0 && index < static_cast<int>(states_.size()) && X < itemHeight_) Toggle(index);
  }
  TCustomListBox::MouseDown(Button, Shift, X, Y);
}

void TCheckListBox::KeyPress(char& Key) {
  if (Key == ' ') {
    const int index = ItemIndex();
    if (index >= 0 && index < static_cast<int>(states_.size())) Toggle(index);
  }
  TCustomListBox::KeyPress(Key);
}

void TCheckListBox::DrawCheckItem(const DRAWITEMSTRUCT& item) {
  CanvasDCScope scope(&canvas_, item.hDC);
  canvas_.SetFont(Font());
  const TOwnerDrawState state = OwnerDrawState(item.itemState);
  const TRect rect = TRect::FromRECT(item.rcItem);
  canvas_.Brush()->SetColor(Color());
  canvas_.FillRect(TRect{rect.Left, rect.Top, rect.Left + itemHeight_, rect.Bottom});
  const int index = static_cast<int>(item.itemID);
  if (index < 0 || index >= Items()->Count() || index >= static_cast<int>(states_.size())) return;

  RECT box{rect.Left + (itemHeight_ - kBoxSize) / 2, rect.Top + (rect.Height() - kBoxSize) / 2, 0, 0};
  box.right = box.left + kBoxSize;
  box.bottom = box.top + kBoxSize;
  UINT look = DFCS_BUTTONCHECK | DFCS_FLAT;
  switch (states_[static_cast<size_t>(index)]) {
    case cbChecked: look |= DFCS_CHECKED; break;
    case cbGrayed: look = DFCS_BUTTON3STATE | DFCS_FLAT | DFCS_CHECKED | DFCS_INACTIVE; break;
    case cbUnchecked: break;
  }
  DrawFrameControl(item.hDC, &box, DFC_BUTTON, look);

  const TRect text{rect.Left + itemHeight_, rect.Top, rect.Right, rect.Bottom};
  if (state.Contains(odSelected)) {
    canvas_.Brush()->SetColor(clHighlight);
    canvas_.Font()->SetColor(clHighlightText);
  }
  canvas_.FillRect(text);
  canvas_.TextOut(text.Left + 2, text.Top, Items()->Strings(index));
  if (state.Contains(odFocused)) {
    const RECT focus = text.ToRECT();
    DrawFocusRect(item.hDC, &focus);
  }
}

void TCheckListBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_DRAWITEM:
      DrawCheckItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam));
      Message.Result = TRUE;
      return;
    case CN_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam)->itemHeight = static_cast<UINT>(itemHeight_);
      Message.Result = TRUE;
      return;
    default:
      break;
  }
  TCustomListBox::Dispatch(Message);
}

}  // namespace fw
