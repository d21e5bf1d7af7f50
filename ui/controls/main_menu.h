#pragma once
// TVxMainMenu: the styled main menu of a form. Every item is measured and drawn by the styled menu
// handlers (menu_item_painting.h) with the menu's styler. BeginUpdate/EndUpdate bracket building the items:
// while updating, the menu draws nothing and the items added get their handlers; items added outside
// an update keep the framework's drawing.
#include "ui/controls/styled_menu.h"

namespace ui {

class TVxMainMenu : public TStyledMenu<fw::TMainMenu> {
 public:
  explicit TVxMainMenu(fw::TComponent* AOwner);

  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return updating_; }
  int UpdateCount() const { return updateCount_; }

 protected:
  void Loaded() override;
  void MenuChanged(fw::TObject* Sender, fw::TMenuItem* Source, bool Rebuild) override;
  TMenuDrawHandler DrawHandler() const override { return &DrawMainMenuItem; }
  TCustomVxMenuStyler* NewDefaultStyler() override;
  void StylerChanged() override;

 private:
  bool updating_ = false;
  int updateCount_ = 0;
};

}  // namespace ui
