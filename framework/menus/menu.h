#pragma once
// Menus: TMainMenu, the menu bar of a form (its Menu), and TPopupMenu, shown at a screen point with
// Popup. Items holds the menu's items; a click on one runs its OnClick, and the keys of an item's
// ShortCut do the same while the form that shows the main menu has the keyboard.
#include <memory>

#include "framework/menus/menu_item.h"
#include "framework/messaging/utility_window.h"
#include "framework/services/service.h"

namespace fw {

// The modal tracking of a pop-up menu (TrackPopupMenuEx): returns the chosen command, 0 for none. Tests
// replace it to choose an item without a user.
extern Service<UINT(HMENU Menu, UINT Flags, int X, int Y, HWND Owner)> TrackPopupMenuService;

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;

  TMenuItem* Items() const { return items_; }
  HMENU Handle() { return items_->Handle(); }
  // Every item is drawn by its owner (OnMeasureItem/OnDrawItem/OnAdvancedDrawItem or the default drawing).
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value);
  // The item of this menu that has the command, nullptr when none.
  TMenuItem* FindItem(UINT Command) const;
  // Clicks the enabled, visible item whose ShortCut the keys make; false when there is none.
  bool IsShortCut(WORD Key, TShiftState Shift);
  // Clicks the item of this menu that has the command; false when none has it.
  bool DispatchCommand(UINT Command);
  virtual bool IsMenuBar() const { return false; }

 protected:
  friend class TMenuItem;
  // An item changed: the Win32 menu follows while it exists.
  virtual void MenuChanged();

 private:
  TMenuItem* items_;
  bool ownerDraw_ = false;
};

class TMainMenu : public TMenu {
 public:
  using TMenu::TMenu;
  ~TMainMenu() override;
  bool IsMenuBar() const override { return true; }
  // The window whose menu bar this is (its form sets it), nullptr when none.
  HWND WindowHandle() const { return window_; }
  void SetWindowHandle(HWND value);

 protected:
  void MenuChanged() override;

 private:
  HWND window_ = nullptr;
};

enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;

  // Shows the menu at the screen point and returns once it is closed, after the chosen item's OnClick.
  virtual void Popup(int X, int Y);
  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment value) { alignment_ = value; }
  // The component the menu was shown for (set by whoever shows it).
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* value);
  // The hidden window that owns the menu while it shows.
  HWND WindowHandle();

  TNotifyEvent OnPopup;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  std::unique_ptr<TUtilityWindow> window_;
  TPopupAlignment alignment_ = paLeft;
  TComponent* popupComponent_ = nullptr;
};

}  // namespace fw
