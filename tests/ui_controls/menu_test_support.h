// A menu standing in for the styled menus: it counts the change requests a styler sends it.
#pragma once

#include "framework/menus/menu.h"
#include "ui/controls/menu_style_host.h"
#include "ui/controls/menu_styler.h"

namespace ui::testing {

class RecordingMenu : public fw::TMainMenu, public IMenuStyleHost {
 public:
  explicit RecordingMenu(fw::TComponent* AOwner) : fw::TMainMenu(AOwner) {}
  void UpdateItems() override { ++updates; }
  void Refresh() override { ++refreshes; }
  TCustomVxMenuStyler* GetCurrentMenuStyler() override { return styler; }
  fw::TMenu* GetMenu() override { return this; }
  TCustomVxMenuStyler* GetMenuStyler() override { return styler; }
  void SetMenuStyler(TCustomVxMenuStyler* Value) override { styler = Value; }
  bool GetShowNotes() override { return showNotes; }
  void SetShowNotes(bool Value) override { showNotes = Value; }
  bool GetIntlKeybShortCuts() override { return intl; }
  void SetIntlKeybShortCuts(bool Value) override { intl = Value; }

  int updates = 0;
  int refreshes = 0;
  TCustomVxMenuStyler* styler = nullptr;
  bool showNotes = true;
  bool intl = false;
};

}  // namespace ui::testing
