#pragma once
// IMenuStyleHost: what a styled menu offers the styler that serves it and the painters that draw it. A
// styler reaches its menu only through this interface; a menu that does not implement it is never told of
// a change.
namespace fw {
class TMenu;
}

namespace ui {

class TCustomVxMenuStyler;

class IMenuStyleHost {
 public:
  // Re-creates the menu's items, so that every item is measured again.
  virtual void UpdateItems() = 0;
  // Takes a change of colours that needs no new measuring.
  virtual void Refresh() = 0;
  // The styler in force: the one assigned to the menu, or the menu's own default styler.
  virtual TCustomVxMenuStyler* GetCurrentMenuStyler() = 0;
  // The menu itself.
  virtual fw::TMenu* GetMenu() = 0;
  // The assigned styler component; null while the menu uses its default styler.
  virtual TCustomVxMenuStyler* GetMenuStyler() = 0;
  virtual void SetMenuStyler(TCustomVxMenuStyler* Value) = 0;
  // Captions may carry note lines after a backslash and an n.
  virtual bool GetShowNotes() = 0;
  virtual void SetShowNotes(bool Value) = 0;
  // Shortcut texts use the keyboard layout's key names.
  virtual bool GetIntlKeybShortCuts() = 0;
  virtual void SetIntlKeybShortCuts(bool Value) = 0;

 protected:
  ~IMenuStyleHost() = default;
};

// The host behind a menu reference, or null (no menu, or a menu that is not styled).
IMenuStyleHost* MenuStyleHost(fw::TMenu* Menu);

// The two change requests of a styler and its appearance objects.
void RequestMenuRefresh(fw::TMenu* Menu);
// UpdateItems, then the refresh.
void RequestMenuRebuild(fw::TMenu* Menu);

}  // namespace ui
