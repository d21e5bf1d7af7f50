#pragma once
// What the styled main and pop-up menus share: owner drawing forced on, the styler they paint with (their
// own default styler, named "InternalMenuStyler", until a styler component is assigned), the notes and
// international-shortcut switches, the images of disabled items, the style host the painters reach them
// through, and the installation of the measure and draw handlers on their items.
#include <cstdint>
#include <string>

#include "framework/graphics/image_list.h"
#include "framework/menus/menu.h"
#include "ui/controls/menu_item_painting.h"
#include "ui/controls/menu_style_host.h"
#include "ui/controls/menu_styler.h"
#include "ui/foundation/version_info.h"

namespace ui {

template <class Base>
class TStyledMenu : public Base, public IMenuStyleHost, public TVersionedComponent {
 public:
  explicit TStyledMenu(fw::TComponent* AOwner) : Base(AOwner) {}
  ~TStyledMenu() override;
  void AfterConstruction() override;

  // The framework's: makes every Win32 item again.
  void UpdateItems() override { Base::UpdateItems(); }
  void Refresh() override {}
  TCustomVxMenuStyler* GetCurrentMenuStyler() override { return currentStyler_; }
  fw::TMenu* GetMenu() override { return this; }
  TCustomVxMenuStyler* GetMenuStyler() override { return menuStyler_; }
  void SetMenuStyler(TCustomVxMenuStyler* Value) override;
  bool GetShowNotes() override { return showNotes_; }
  void SetShowNotes(bool Value) override { showNotes_ = Value; }
  bool GetIntlKeybShortCuts() override { return intlKeybShortCuts_; }
  void SetIntlKeybShortCuts(bool Value) override { intlKeybShortCuts_ = Value; }

  TCustomVxMenuStyler* MenuStyler() const { return menuStyler_; }
  bool ShowNotes() const { return showNotes_; }
  bool IntlKeybShortCuts() const { return intlKeybShortCuts_; }
  // The images drawn (as enabled) for disabled items; forgotten when freed.
  fw::TCustomImageList* DisabledImages() const { return disabledImages_; }
  void SetDisabledImages(fw::TCustomImageList* Value);

  std::uint32_t GetVersionNr() const override { return MakeVersionNr(2, 5, 4, 0); }

  // Gives the item the measure handler (when it has none) and this menu's draw handler (when it has
  // neither draw event); nothing while the menu loads or when the item has the draw handler already.
  void InstallHandlers(fw::TMenuItem* Item);
  // The same for every item of the menu, through all levels.
  void InstallAllHandlers();
  // InstallHandlers for the item a change came from, InstallAllHandlers for a change of the whole menu
  // (null).
  void InstallHandlersFor(fw::TMenuItem* Source);

 protected:
  void Loaded() override;
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;
  // The draw handler of this kind of menu.
  virtual TMenuDrawHandler DrawHandler() const = 0;
  // A new default styler of this kind of menu, owned by the menu.
  virtual TCustomVxMenuStyler* NewDefaultStyler() = 0;
  // The styler in force changed.
  virtual void StylerChanged() {}
  TCustomVxMenuStyler* DefaultStyler() const { return defaultStyler_; }

 private:
  void MakeDefaultStyler();
  void InstallBelow(fw::TMenuItem* Item);

  TCustomVxMenuStyler* menuStyler_ = nullptr;
  TCustomVxMenuStyler* defaultStyler_ = nullptr;
  TCustomVxMenuStyler* currentStyler_ = nullptr;
  bool showNotes_ = true;
  fw::TCustomImageList* disabledImages_ = nullptr;
  bool intlKeybShortCuts_ = false;
};

extern template class TStyledMenu<fw::TMainMenu>;
extern template class TStyledMenu<fw::TPopupMenu>;

}  // namespace ui
