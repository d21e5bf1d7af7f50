#include "framework/menus/menu.h"

#include "framework/menus/menu_commands.h"
#include "framework/rtl/syslocale.h"

namespace fw {

namespace {

// The item of the tree below root whose shortcut is shortCut and that can be clicked.
TMenuItem* FindShortCut(TMenuItem* root, TShortCut shortCut) {
  for (int i = 0; i < root->Count(); ++i) {
    TMenuItem* item = root->Items(i);
    if (!item->Visible() || !item->Enabled()) continue;
    if (item->ShortCut() == shortCut) return item;
    if (TMenuItem* found = FindShortCut(item, shortCut)) return found;
  }
  return nullptr;
}

}  // namespace

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), items_(Create<TMenuItem>(nullptr)) {
  items_->menu_ = this;
  imagesLink_.OnChange = [this](TObject*) { UpdateItems(); };
}

TMenu::~TMenu() {
  SetImages(nullptr);
  items_->Free();
}

void TMenu::SetOwnerDraw(bool value) {
  if (ownerDraw_ == value) return;
  ownerDraw_ = value;
  MenuChanged(this, nullptr, true);
}

void TMenu::SetImages(TCustomImageList* value) {
  if (images_ == value) return;
  if (images_ != nullptr) {
    images_->UnRegisterChanges(&imagesLink_);
    images_->RemoveFreeNotification(this);
  }
  images_ = value;
  if (value != nullptr) {
    value->RegisterChanges(&imagesLink_);
    value->FreeNotification(this);
  }
  if (!ComponentState().Contains(csDestroying)) MenuChanged(this, nullptr, true);
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove || AComponent == nullptr || AComponent != images_) return;
  // The list is going: it let go of the change link already.
  images_ = nullptr;
  if (!ComponentState().Contains(csDestroying)) MenuChanged(this, nullptr, true);
}

void TMenu::SetBiDiMode(TBiDiMode value) {
  if (biDiMode_ == value) return;
  biDiMode_ = value;
  MenuChanged(this, nullptr, true);
}

bool TMenu::UseRightToLeftReading() const { return SysLocale.MiddleEast && biDiMode_ != bdLeftToRight; }

void TMenu::UpdateItems() {
  if (items_->handle_ != nullptr) items_->RebuildHandle();
}

void TMenu::MenuChanged(TObject*, TMenuItem* Source, bool Rebuild) {
  if (Rebuild || Source == nullptr || Source->parent_ == nullptr) {
    UpdateItems();
  } else {
    Source->parent_->RefreshEntries();
  }
}

TMenuItem* TMenu::FindItem(UINT Command) const {
  TMenuItem* item = FindMenuItemByCommand(Command);
  return item != nullptr && item->GetParentMenu() == this ? item : nullptr;
}

bool TMenu::DispatchCommand(UINT Command) {
  TMenuItem* item = FindItem(Command);
  if (item == nullptr) return false;
  item->Click();
  return true;
}

bool TMenu::IsShortCut(WORD Key, TShiftState Shift) {
  const TShortCut shortCut = ShortCut(Key, Shift);
  if (shortCut == scNone) return false;
  TMenuItem* item = FindShortCut(items_, shortCut);
  if (item == nullptr) return false;
  item->Click();
  return true;
}

TMainMenu::~TMainMenu() {
  // A window destroys the menu it shows: it must not show this one when it goes.
  SetWindowHandle(nullptr);
}

void TMainMenu::SetWindowHandle(HWND value) {
  if (window_ != nullptr && IsWindow(window_) && GetMenu(window_) == Handle()) ::SetMenu(window_, nullptr);
  window_ = value;
  if (window_ != nullptr) ::SetMenu(window_, Handle());
}

void TMainMenu::UpdateItems() {
  TMenu::UpdateItems();
  if (window_ != nullptr) DrawMenuBar(window_);
}

void TMainMenu::MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) {
  TMenu::MenuChanged(Sender, Source, Rebuild);
  if (!Rebuild && window_ != nullptr) DrawMenuBar(window_);
}

namespace {
UINT TrackPopupMenuNow(HMENU menu, UINT flags, int x, int y, HWND owner) {
  return static_cast<UINT>(TrackPopupMenuEx(menu, flags, x, y, owner, nullptr));
}
}  // namespace

constinit Service<UINT(HMENU, UINT, int, int, HWND)> TrackPopupMenuService(&TrackPopupMenuNow);

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

TPopupMenu::~TPopupMenu() = default;

HWND TPopupMenu::WindowHandle() {
  if (!window_) {
    window_ = std::make_unique<TUtilityWindow>(this, [](TMessage& Message) { return DispatchMenuMessage(Message); });
  }
  return window_->Handle();
}

void TPopupMenu::Popup(int X, int Y) {
  if (OnPopup) OnPopup(this);
  UpdateItems();  // draw events may have been assigned since the menu was built
  UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY;
  if (alignment_ == paRight) flags |= TPM_RIGHTALIGN;
  if (alignment_ == paCenter) flags |= TPM_CENTERALIGN;
  const HWND owner = WindowHandle();
  // The menu's owner must be the foreground window, or the menu does not close when it loses the mouse.
  SetForegroundWindow(owner);
  const UINT command = TrackPopupMenuService(Handle(), flags, X, Y, owner);
  PostMessageA(owner, WM_NULL, 0, 0);
  if (command != 0) DispatchCommand(command);
}

void TPopupMenu::SetPopupComponent(TComponent* value) {
  if (popupComponent_ != nullptr) popupComponent_->RemoveFreeNotification(this);
  popupComponent_ = value;
  if (value != nullptr) value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TMenu::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == popupComponent_) popupComponent_ = nullptr;
}

}  // namespace fw
