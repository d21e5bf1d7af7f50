#pragma once
// TVxMainMenu: the styled main menu of a form. Every item is measured and drawn by the styled menu
// handlers (menu_item_painting.h) with the menu's styler. BeginUpdate/EndUpdate bracket building the items:
// while updating, the menu draws nothing and the items added get their handlers; items added outside
// an update keep the framework's drawing.
//
// On an MDI frame (or child) form the menu keeps the frame's window list itself: it takes over the MDI
// client window's procedure and answers WM_MDIREFRESHMENU by listing the children, sorted by caption,
// at the end of the form's WindowMenu after a marker line, the active child checked.
#include "framework/forms/form.h"
#include "ui/controls/styled_menu.h"

namespace ui {

class TVxMainMenu : public TStyledMenu<fw::TMainMenu> {
 public:
  explicit TVxMainMenu(fw::TComponent* AOwner);
  ~TVxMainMenu() override;

  // Makes sure the MDI client window (if the form has one) answers with this menu's window list.
  void Refresh() override;

  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return updateCount_ > 0; }
  int UpdateCount() const { return updateCount_; }

 protected:
  void Loaded() override;
  void MenuChanged(fw::TObject* Sender, fw::TMenuItem* Source, bool Rebuild) override;
  TMenuDrawHandler DrawHandler() const override { return &DrawMainMenuItem; }
  TCustomVxMenuStyler* NewDefaultStyler() override;
  void StylerChanged() override;

 private:
  static LRESULT CALLBACK WindowListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The MDI client window of the menu's form, null when it has none.
  HWND FindMDIClient();
  void Unhook();
  LRESULT RefreshWindowList(fw::TCustomForm* form);
  void WindowListClick(fw::TObject* Sender);

  int updateCount_ = 0;
  HWND hookedWindow_ = nullptr;
  LONG_PTR hookedProc_ = 0;
};

}  // namespace ui
