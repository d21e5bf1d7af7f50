#include "ui/controls/main_menu.h"

namespace ui {

TVxMainMenu::TVxMainMenu(fw::TComponent* AOwner) : fw::TMainMenu(AOwner) {}

}  // namespace ui
