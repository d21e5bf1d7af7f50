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

  int updates = 0;
  int refreshes = 0;
  TCustomVxMenuStyler* styler = nullptr;
};

}  // namespace ui::testing
