#include "framework/menus/menu_item.h"

#include <algorithm>

#include "framework/controls/accelerators.h"
#include "framework/controls/draw_text.h"
#include "framework/menus/menu.h"
#include "framework/menus/menu_commands.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/textutils.h"

namespace fw {

namespace {
constexpr int kCheckSpace = 16;  // room for the check mark left of the caption
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), command_(AllocateMenuCommand(this)) {}

TMenuItem::~TMenuItem() {
  Clear();
  if (parent_ != nullptr) parent_->Remove(this);
  // Taken out of the parent's menu above, so destroying it destroys only what is ours.
  if (handle_ != nullptr) DestroyMenu(handle_);
  ReleaseMenuCommand(command_);
}

TMenuItem* TMenuItem::Items(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return items_[static_cast<size_t>(Index)];
}

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (Item->parent_ != nullptr) throw EInvalidOperation("Menu inserted twice");
  if (Index < 0 || Index > Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  items_.insert(items_.begin() + Index, Item);
  Item->parent_ = this;
  Changed();
}

void TMenuItem::Delete(int Index) { Items(Index)->Free(); }

void TMenuItem::Remove(TMenuItem* Item) {
  const auto found = std::find(items_.begin(), items_.end(), Item);
  if (found == items_.end()) return;
  items_.erase(found);
  Item->parent_ = nullptr;
  Changed();
}

void TMenuItem::Clear() {
  while (!items_.empty()) items_.back()->Free();
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
  const auto found = std::find(items_.begin(), items_.end(), Item);
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

TMenuItem* TMenuItem::Find(const std::string& ACaption) const {
  const std::string wanted = StripHotkey(ACaption);
  for (TMenuItem* item : items_) {
    if (SameText(StripHotkey(item->caption_), wanted)) return item;
  }
  return nullptr;
}

void TMenuItem::SetMenuIndex(int value) {
  if (parent_ == nullptr) return;
  TMenuItem* parent = parent_;
  value = std::clamp(value, 0, parent->Count() - 1);
  auto& siblings = parent->items_;
  siblings.erase(std::find(siblings.begin(), siblings.end(), this));
  siblings.insert(siblings.begin() + value, this);
  Changed();
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_ != nullptr) root = root->parent_;
  return root->menu_;
}

void TMenuItem::SetCaption(const std::string& value) {
  if (caption_ == value) return;
  caption_ = value;
  Changed();
}

void TMenuItem::SetChecked(bool value) {
  if (checked_ == value) return;
  checked_ = value;
  if (value && radioItem_) TurnSiblingsOff();
  Changed();
}

void TMenuItem::TurnSiblingsOff() {
  if (parent_ == nullptr) return;
  for (TMenuItem* sibling : parent_->items_) {
    if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->checked_ = false;
  }
}

void TMenuItem::SetRadioItem(bool value) {
  if (radioItem_ == value) return;
  radioItem_ = value;
  if (value && checked_) TurnSiblingsOff();
  Changed();
}

void TMenuItem::SetGroupIndex(int value) {
  if (groupIndex_ == value) return;
  groupIndex_ = value;
  if (radioItem_ && checked_) TurnSiblingsOff();
  Changed();
}

void TMenuItem::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  Changed();
}

void TMenuItem::SetVisible(bool value) {
  if (visible_ == value) return;
  visible_ = value;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut value) {
  if (shortCut_ == value) return;
  shortCut_ = value;
  Changed();
}

void TMenuItem::Click() {
  if (!enabled_) return;
  if (autoCheck_) SetChecked(!checked_);
  if (OnClick) OnClick(this);
}

bool TMenuItem::IsOwnerDrawn() const {
  if (OnMeasureItem || OnDrawItem || OnAdvancedDrawItem) return true;
  const TMenu* menu = GetParentMenu();
  return menu != nullptr && menu->OwnerDraw();
}

std::string TMenuItem::DisplayCaption() const {
  const std::string keys = ShortCutToText(shortCut_);
  return keys.empty() ? caption_ : caption_ + "\t" + keys;
}

void TMenuItem::Changed() {
  TMenuItem* root = this;
  while (root->parent_ != nullptr) root = root->parent_;
  if (root->menu_ != nullptr) {
    root->menu_->MenuChanged();
  } else if (root->handle_ != nullptr) {
    root->RebuildHandle();
  }
}

HMENU TMenuItem::Handle() {
  if (handle_ == nullptr) {
    const bool bar = menu_ != nullptr && menu_->IsMenuBar();
    handle_ = bar ? CreateMenu() : CreatePopupMenu();
    if (handle_ == nullptr) RaiseLastOSError();
    RebuildHandle();
  }
  return handle_;
}

void TMenuItem::RebuildHandle() {
  while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
  UINT position = 0;
  for (TMenuItem* item : items_) {
    if (!item->visible_) continue;
    if (item->handle_ != nullptr) item->RebuildHandle();
    item->AppendTo(handle_, position++);
  }
}

void TMenuItem::AppendTo(HMENU menu, UINT position) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
  std::string text = DisplayCaption();
  if (IsLine()) {
    info.fType = MFT_SEPARATOR;
  } else if (IsOwnerDrawn()) {
    info.fType = MFT_OWNERDRAW;
  } else {
    info.fMask |= MIIM_STRING;
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
  }
  if (radioItem_) info.fType |= MFT_RADIOCHECK;
  info.fState = (checked_ ? MFS_CHECKED : MFS_UNCHECKED) | (enabled_ ? MFS_ENABLED : MFS_DISABLED);
  info.wID = command_;
  info.hSubMenu = items_.empty() ? nullptr : Handle();
  info.dwItemData = command_;
  if (!InsertMenuItemA(menu, position, TRUE, &info)) RaiseLastOSError();
}

void TMenuItem::MeasureItem(TCanvas* ACanvas, int& Width, int& Height) {
  if (IsLine()) {
    Height = 5;
  } else {
    const TSize text = MeasureCanvasText(ACanvas, DisplayCaption(), 0, DT_SINGLELINE | DT_EXPANDTABS);
    Width = text.cx + 2 * kCheckSpace;
    Height = std::max(text.cy + 4, GetSystemMetrics(SM_CYMENU));
  }
  if (OnMeasureItem) OnMeasureItem(this, ACanvas, Width, Height);
}

void TMenuItem::AdvancedDrawItem(TCanvas* ACanvas, const TRect& ARect, TOwnerDrawState State) {
  if (OnAdvancedDrawItem) {
    OnAdvancedDrawItem(this, ACanvas, ARect, State);
    return;
  }
  const bool selected = State.Contains(odSelected);
  if (OnDrawItem) {
    OnDrawItem(this, ACanvas, ARect, selected);
    return;
  }
  ACanvas->Brush()->SetColor(selected ? clHighlight : clMenu);
  ACanvas->FillRect(ARect);
  if (IsLine()) {
    const int middle = ARect.Top + ARect.Height() / 2;
    RECT line = Rect(ARect.Left, middle - 1, ARect.Right, middle + 1).ToRECT();
    DrawEdge(ACanvas->Handle(), &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  ACanvas->Font()->SetColor(!enabled_ ? clGrayText : selected ? clHighlightText : clMenuText);
  if (checked_) {
    RECT mark = Rect(ARect.Left, ARect.Top, ARect.Left + kCheckSpace, ARect.Bottom).ToRECT();
    DrawFrameControl(ACanvas->Handle(), &mark, DFC_MENU, radioItem_ ? DFCS_MENUBULLET : DFCS_MENUCHECK);
  }
  DrawCanvasText(ACanvas, DisplayCaption(), Rect(ARect.Left + kCheckSpace, ARect.Top, ARect.Right, ARect.Bottom),
                 DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS);
}

}  // namespace fw
