#include "ui/controls/popup_menu.h"

#include <algorithm>

#include "framework/forms/screen.h"

namespace ui {

TVxPopupMenu::TVxPopupMenu(fw::TComponent* AOwner) : TStyledMenu<fw::TPopupMenu>(AOwner) {}

TCustomVxMenuStyler* TVxPopupMenu::NewDefaultStyler() { return fw::Create<TCustomVxMenuStyler>(this); }

void TVxPopupMenu::MenuChanged(fw::TObject* Sender, fw::TMenuItem* Source, bool Rebuild) {
  InstallHandlersFor(Source);
  TStyledMenu<fw::TPopupMenu>::MenuChanged(Sender, Source, Rebuild);
}

void TVxPopupMenu::Popup(int X, int Y) {
  if (Items()->Count() == 0) {
    TStyledMenu<fw::TPopupMenu>::Popup(X, Y);
    return;
  }
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemID = Items()->Items(0)->Command();
  measure.itemWidth = 10;
  measure.itemHeight = 10;
  SendMessageA(WindowHandle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
  const int width = static_cast<int>(measure.itemWidth) + kDropDownRightCut;
  const int desktop = fw::Screen->Width();
  const bool leftLacking = X - kDropDownRightCut - width < 0;
  const bool rightLacking = desktop <= X + 2 * kDropDownRightCut + width;
  if ((Alignment() == fw::paRight && !leftLacking) || (Alignment() == fw::paLeft && rightLacking)) {
    X += kDropDownRightCut;
  } else if (Alignment() == fw::paCenter) {
    X += 8;
  }
  X = std::min(X, desktop - 1);
  TStyledMenu<fw::TPopupMenu>::Popup(X, Y);
  if (OnClose) OnClose(this);
}

}  // namespace ui
