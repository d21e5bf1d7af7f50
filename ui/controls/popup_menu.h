#pragma once
// TVxPopupMenu: the styled pop-up menu. Every item, also one added later, is measured and drawn by the
// styled menu handlers (menu_item_painting.h). Popup moves the menu so that it stands where the painted
// (narrower) menu belongs, and OnClose follows the menu's closing.
#include "framework/classes/events.h"
#include "framework/graphics/geometry.h"
#include "ui/controls/styled_menu.h"

namespace ui {

class TVxPopupMenu : public TStyledMenu<fw::TPopupMenu> {
 public:
  explicit TVxPopupMenu(fw::TComponent* AOwner);

  void Popup(int X, int Y) override;
  void PopupAt(fw::TPoint P) { Popup(P.X, P.Y); }

  fw::TNotifyEvent OnClose;

 protected:
  void MenuChanged(fw::TObject* Sender, fw::TMenuItem* Source, bool Rebuild) override;
  TMenuDrawHandler DrawHandler() const override { return &DrawPopupMenuItem; }
  TCustomVxMenuStyler* NewDefaultStyler() override;
};

}  // namespace ui
