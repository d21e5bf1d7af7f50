#include "ui/controls/menu_style_host.h"

#include "framework/menus/menu.h"

namespace ui {

IMenuStyleHost* MenuStyleHost(fw::TMenu* Menu) { return dynamic_cast<IMenuStyleHost*>(Menu); }

void RequestMenuRefresh(fw::TMenu* Menu) {
  if (IMenuStyleHost* host = MenuStyleHost(Menu)) host->Refresh();
}

void RequestMenuRebuild(fw::TMenu* Menu) {
  if (IMenuStyleHost* host = MenuStyleHost(Menu)) {
    host->UpdateItems();
    host->Refresh();
  }
}

}  // namespace ui
