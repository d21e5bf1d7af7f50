#include "ui/controls/main_menu.h"

namespace ui {

TVxMainMenu::TVxMainMenu(fw::TComponent* AOwner) : TStyledMenu<fw::TMainMenu>(AOwner) {}

TCustomVxMenuStyler* TVxMainMenu::NewDefaultStyler() { return fw::Create<TVxMenuStyler>(this); }

void TVxMainMenu::StylerChanged() {
  // A font change of the styler in force refreshes the menu.
  if (TCustomVxMenuStyler* styler = GetCurrentMenuStyler()) styler->Font()->OnChange = [this](fw::TObject*) { Refresh(); };
}

void TVxMainMenu::Loaded() {
  TStyledMenu<fw::TMainMenu>::Loaded();
  if (Items()->Count() > 0) {
    // The bar is made again, so every item is measured with the handlers.
    fw::TMenuItem* first = Items()->Items(0);
    first->SetVisible(false);
    first->SetVisible(true);
  }
  Refresh();
}

void TVxMainMenu::MenuChanged(fw::TObject* Sender, fw::TMenuItem* Source, bool Rebuild) {
  if (updating_) {
    if (Source != nullptr) {
      InstallHandlers(Source);
    } else {
      InstallAllHandlers();
    }
  } else {
    Refresh();
  }
  TStyledMenu<fw::TMainMenu>::MenuChanged(Sender, Source, true);
  static_cast<void>(Rebuild);
}

void TVxMainMenu::BeginUpdate() {
  updating_ = true;
  ++updateCount_;
}

void TVxMainMenu::EndUpdate() {
  if (updateCount_ > 0) --updateCount_;
  if (updateCount_ != 0) return;
  InstallAllHandlers();
  if (WindowHandle() != nullptr) DrawMenuBar(WindowHandle());
  updating_ = false;
}

}  // namespace ui
