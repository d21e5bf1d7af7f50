#pragma once
// Menus: TMainMenu, the menu bar of a form (its Menu), and TPopupMenu, shown at a screen point with
// Popup. Items holds the menu's items; a click on one runs its OnClick, and the keys of an item's
// ShortCut do the same while the form that shows the main menu has the keyboard.
#include <memory>

#include "framework/controls/control_types.h"
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

  // The images of the items' ImageIndex; a menu with images draws its items itself. Forgotten when the
  // image list is freed; a change of the list makes the items again.
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);
  // Right-to-left reading of the items (only on a Middle-East system, see TControl).
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode value);
  bool UseRightToLeftReading() const;
  // Makes the Win32 items again (while the menu's handle exists), so that every owner-drawn item is
  // measured again before it is shown.
  virtual void UpdateItems();

 protected:
  friend class TMenuItem;
  // Something of the menu changed (see menu_item.h): Source the item that changed or was added (null:
  // the whole menu), Rebuild whether the Win32 items are made again or only Source's level is updated
  // in place. Overrides call the inherited one.
  virtual void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild);
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TMenuItem* items_;
  bool ownerDraw_ = false;
  TCustomImageList* images_ = nullptr;
  TChangeLink imagesLink_;
  TBiDiMode biDiMode_ = bdLeftToRight;
};

class TMainMenu : public TMenu {
 public:
  using TMenu::TMenu;
  ~TMainMenu() override;
  bool IsMenuBar() const override { return true; }
  // The window whose menu bar this is (its form sets it), nullptr when none.
  HWND WindowHandle() const { return window_; }
  void SetWindowHandle(HWND value);
  // Also lays the window's menu bar out again.
  void UpdateItems() override;

 protected:
  void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) override;

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
