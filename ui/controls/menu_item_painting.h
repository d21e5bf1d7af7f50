#pragma once
// The measure and draw handlers of the styled menus (TVxMainMenu, TVxPopupMenu): the menus put them into
// their items' OnMeasureItem and OnAdvancedDrawItem. They size and paint each item completely from the
// styler of the item's menu (its style host): bar items with the bar's gradient, hover and pressed
// looks; drop-down items with side bar, icon column, background, separators, highlight, check and radio
// marks, images and pictures, sub-menu arrows, captions with note lines and shortcut texts; and after
// each drop-down item the frame and shape of the drop-down window. An item of a menu that is no style
// host is neither measured nor painted.
//
// Menu geometry comes through MenuItemRectService (GetMenuItemRect) so that tests can stand item
// rectangles behind it.
#include <windows.h>

#include <string>

#include "framework/classes/object.h"
#include "framework/controls/owner_draw.h"
#include "framework/graphics/canvas.h"
#include "framework/menus/shortcut.h"
#include "framework/services/service.h"

namespace fw {
class TMenuItem;
}

namespace ui {

class IMenuStyleHost;

using TMenuDrawHandler = void (*)(fw::TObject* Sender, fw::TCanvas* ACanvas, const fw::TRect& ARect,
                                  fw::TOwnerDrawState State);

// Drop-downs are painted this much narrower than the system measures them.
constexpr int kDropDownRightCut = 17;

// The measure handler of both kinds of menu.
void MeasureMenuItem(fw::TObject* Sender, fw::TCanvas* ACanvas, int& Width, int& Height);
// The draw handlers: a main menu draws nothing while it is updating.
void DrawMainMenuItem(fw::TObject* Sender, fw::TCanvas* ACanvas, const fw::TRect& ARect, fw::TOwnerDrawState State);
void DrawPopupMenuItem(fw::TObject* Sender, fw::TCanvas* ACanvas, const fw::TRect& ARect, fw::TOwnerDrawState State);

// A shortcut's text: the framework's ("Ctrl+S"), with "Win+" in front for the 0x200 bit; with Intl the
// keyboard layout's key names ("Strg+Umschalt+F5" on a German layout).
std::string ShortCutText(fw::TShortCut ShortCut, bool Intl);

// The style host of the item's menu, null when the menu is not styled.
IMenuStyleHost* MenuItemHost(fw::TMenuItem* Item);

// GetMenuItemRect: the screen rectangle of a menu's item; false when there is none.
extern fw::Service<BOOL(HWND Window, HMENU Menu, UINT Position, RECT* Rect)> MenuItemRectService;

}  // namespace ui
