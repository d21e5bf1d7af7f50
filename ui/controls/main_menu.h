// TVxMainMenu: the styled main menu; its items have a caption, Checked and Visible.
#pragma once

#include "framework/menus/menu.h"

namespace ui {

class TVxMainMenu : public fw::TMainMenu {
 public:
  explicit TVxMainMenu(fw::TComponent* AOwner);
};

}  // namespace ui
