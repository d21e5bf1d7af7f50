#include "framework/menus/menu_item.h"

#include <algorithm>

#include "framework/controls/accelerators.h"
#include "framework/controls/draw_text.h"
#include "framework/menus/menu.h"
#include "framework/menus/menu_action_link.h"
#include "framework/menus/menu_commands.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/textutils.h"

namespace fw {

namespace {
constexpr int kCheckSpace = 16;  // room for the check mark left of the caption

void MakeBold(TFont* font) {
  TFontStyles style = font->Style();
  font->SetStyle(style.Include(fsBold));
}
}  // namespace

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), command_(AllocateMenuCommand(this)) {}

TMenuItem::~TMenuItem() {
  FreeAndNil(actionLink_);
  FreeAndNil(bitmap_);
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
  Notify(Item, true);
}

void TMenuItem::Delete(int Index) { Items(Index)->Free(); }

void TMenuItem::Remove(TMenuItem* Item) {
  const auto found = std::find(items_.begin(), items_.end(), Item);
  if (found == items_.end()) return;
  items_.erase(found);
  Item->parent_ = nullptr;
  Notify(menu_ != nullptr ? nullptr : this, true);
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
  Changed(true);
}

TMenuItem* TMenuItem::Root() {
  TMenuItem* root = this;
  while (root->parent_ != nullptr) root = root->parent_;
  return root;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_ != nullptr) root = root->parent_;
  return root->menu_;
}

TCustomImageList* TMenuItem::GetImageList() const {
  const TMenu* menu = GetParentMenu();
  return menu != nullptr ? menu->Images() : nullptr;
}

void TMenuItem::SetCaption(const std::string& value) {
  if (caption_ == value) return;
  caption_ = value;
  Changed(true);
}

void TMenuItem::SetChecked(bool value) {
  if (checked_ == value) return;
  checked_ = value;
  if (value && radioItem_) TurnSiblingsOff();
  Changed(false);
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
  Changed(false);
}

void TMenuItem::SetGroupIndex(int value) {
  if (groupIndex_ == value) return;
  groupIndex_ = value;
  if (radioItem_ && checked_) TurnSiblingsOff();
  Changed(false);
}

void TMenuItem::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  Changed(false);
}

void TMenuItem::SetVisible(bool value) {
  if (visible_ == value) return;
  visible_ = value;
  Changed(true);
}

void TMenuItem::SetShortCut(TShortCut value) {
  if (shortCut_ == value) return;
  shortCut_ = value;
  Changed(true);
}

void TMenuItem::SetBreak(TMenuBreak value) {
  if (break_ == value) return;
  break_ = value;
  Changed(true);
}

void TMenuItem::SetDefault(bool value) {
  if (default_ == value) return;
  default_ = value;
  Changed(true);  // bold: measured again
}

void TMenuItem::SetImageIndex(int value) {
  if (imageIndex_ == value) return;
  imageIndex_ = value;
  Changed(true);
}

TBitmap* TMenuItem::Bitmap() {
  if (bitmap_ == nullptr) {
    bitmap_ = Create<TBitmap>();
    bitmap_->OnChange = [this](TObject*) { Changed(true); };
  }
  return bitmap_;
}

void TMenuItem::SetBitmap(TBitmap* value) { Bitmap()->Assign(value); }

TBasicAction* TMenuItem::Action() const { return actionLink_ != nullptr ? actionLink_->Action() : nullptr; }

void TMenuItem::SetAction(TBasicAction* value) {
  if (value == nullptr) {
    FreeAndNil(actionLink_);
    return;
  }
  if (actionLink_ == nullptr) actionLink_ = Create<TMenuActionLink>(this);
  actionLink_->SetAction(value);
  ActionChange(value, value->ComponentState().Contains(csLoading));
}

void TMenuItem::ActionChange(TObject* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (action == nullptr) return;
  if (!CheckDefaults || caption_.empty()) SetCaption(action->Caption());
  if (!CheckDefaults || !checked_) SetChecked(action->Checked());
  if (!CheckDefaults || enabled_) SetEnabled(action->Enabled());
  if (!CheckDefaults || groupIndex_ == 0) SetGroupIndex(action->GroupIndex());
  if (!CheckDefaults || hint_.empty()) SetHint(action->Hint());
  if (!CheckDefaults || imageIndex_ == -1) SetImageIndex(action->ImageIndex());
  if (!CheckDefaults || visible_) SetVisible(action->Visible());
}

void TMenuItem::Click() {
  if (!enabled_) return;
  if (autoCheck_) SetChecked(!checked_);
  if (OnClick) {
    OnClick(this);
  } else if (actionLink_ != nullptr) {
    actionLink_->Execute(this);
  }
}

bool TMenuItem::IsOwnerDrawn() const {
  if (OnMeasureItem || OnDrawItem || OnAdvancedDrawItem || HasBitmap()) return true;
  const TMenu* menu = GetParentMenu();
  return menu != nullptr && (menu->OwnerDraw() || menu->Images() != nullptr);
}

std::string TMenuItem::DisplayCaption() const {
  const std::string keys = ShortCutToText(shortCut_);
  return keys.empty() ? caption_ : caption_ + "\t" + keys;
}

void TMenuItem::Changed(bool rebuild) { Notify(this, rebuild); }

void TMenuItem::Notify(TMenuItem* source, bool rebuild) {
  TMenuItem* root = Root();
  if (root->menu_ != nullptr) {
    root->menu_->MenuChanged(this, source, rebuild);
  } else if (root->handle_ != nullptr) {
    if (rebuild || source == nullptr || source->parent_ == nullptr) {
      root->RebuildHandle();
    } else {
      source->parent_->RefreshEntries();
    }
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

void TMenuItem::RefreshEntries() {
  if (handle_ == nullptr) return;
  UINT position = 0;
  for (TMenuItem* item : items_) {
    if (!item->visible_) continue;
    MENUITEMINFOA info{};
    std::string text;
    item->FillInfo(info, text);
    if (!SetMenuItemInfoA(handle_, position++, TRUE, &info)) RaiseLastOSError();
  }
}

void TMenuItem::AppendTo(HMENU menu, UINT position) {
  MENUITEMINFOA info{};
  std::string text;
  FillInfo(info, text);
  if (!InsertMenuItemA(menu, position, TRUE, &info)) RaiseLastOSError();
}

void TMenuItem::FillInfo(MENUITEMINFOA& info, std::string& text) {
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
  text = DisplayCaption();
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
  if (break_ == mbBreak) info.fType |= MFT_MENUBREAK;
  if (break_ == mbBarBreak) info.fType |= MFT_MENUBARBREAK;
  const TMenu* owner = GetParentMenu();
  if (owner != nullptr && owner->UseRightToLeftReading()) info.fType |= MFT_RIGHTORDER;
  info.fState = (checked_ ? MFS_CHECKED : MFS_UNCHECKED) | (enabled_ ? MFS_ENABLED : MFS_DISABLED);
  if (default_) info.fState |= MFS_DEFAULT;
  info.wID = command_;
  info.hSubMenu = items_.empty() ? nullptr : Handle();
  info.dwItemData = command_;
}

int TMenuItem::GlyphSpace() const {
  int space = kCheckSpace;
  if (const TCustomImageList* images = GetImageList()) space = std::max(space, images->Width() + 4);
  if (HasBitmap()) space = std::max(space, bitmap_->Width() + 4);
  return space;
}

void TMenuItem::MeasureItem(TCanvas* ACanvas, int& Width, int& Height) {
  if (IsLine()) {
    Height = 5;
  } else {
    if (default_) MakeBold(ACanvas->Font());
    const TSize text = MeasureCanvasText(ACanvas, DisplayCaption(), 0, DT_SINGLELINE | DT_EXPANDTABS);
    Width = text.cx + GlyphSpace() + kCheckSpace;
    Height = std::max(text.cy + 4, GetSystemMetrics(SM_CYMENU));
    if (const TCustomImageList* images = GetImageList()) Height = std::max(Height, images->Height() + 4);
    if (HasBitmap()) Height = std::max(Height, bitmap_->Height() + 4);
  }
  if (OnMeasureItem) OnMeasureItem(this, ACanvas, Width, Height);
}

void TMenuItem::DrawGlyph(TCanvas* canvas, const TRect& column) {
  TCustomImageList* images = GetImageList();
  const bool hasImage = images != nullptr && imageIndex_ >= 0 && imageIndex_ < images->Count();
  if (checked_ && (hasImage || HasBitmap())) {
    RECT frame = column.ToRECT();
    InflateRect(&frame, -1, -1);
    DrawEdge(canvas->Handle(), &frame, BDR_SUNKENOUTER, BF_RECT);
  }
  if (hasImage) {
    images->Draw(canvas, column.Left + (column.Width() - images->Width()) / 2,
                 column.Top + (column.Height() - images->Height()) / 2, imageIndex_, enabled_);
  } else if (HasBitmap()) {
    canvas->Draw(column.Left + (column.Width() - bitmap_->Width()) / 2,
                 column.Top + (column.Height() - bitmap_->Height()) / 2, bitmap_);
  } else if (checked_) {
    RECT mark = column.ToRECT();
    DrawFrameControl(canvas->Handle(), &mark, DFC_MENU, radioItem_ ? DFCS_MENUBULLET : DFCS_MENUCHECK);
  }
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
  if (State.Contains(odDefault)) MakeBold(ACanvas->Font());
  const int glyphSpace = GlyphSpace();
  DrawGlyph(ACanvas, Rect(ARect.Left, ARect.Top, ARect.Left + glyphSpace, ARect.Bottom));
  DrawCanvasText(ACanvas, DisplayCaption(), Rect(ARect.Left + glyphSpace, ARect.Top, ARect.Right, ARect.Bottom),
                 DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS);
}

}  // namespace fw
