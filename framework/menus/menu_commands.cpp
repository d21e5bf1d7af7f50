#include "framework/menus/menu_commands.h"

#include <map>

#include "framework/forms/screen.h"
#include "framework/graphics/canvas_scope.h"
#include "framework/graphics/gdi_handles.h"
#include "framework/menus/menu_item.h"
#include "framework/rtl/exceptions.h"

namespace fw {

namespace {

// Below the identifiers dialogs use for their buttons and above what WM_COMMAND's 16 bits hold.
constexpr UINT kFirstCommand = 0x100;
constexpr UINT kLastCommand = 0xEFFF;

// Menu items live on the GUI thread only.
std::map<UINT, TMenuItem*>& Commands() {
  static std::map<UINT, TMenuItem*> commands;
  return commands;
}

void MeasureMenuItem(TMenuItem* item, MEASUREITEMSTRUCT* measure) {
  WindowDC screen(nullptr);
  TCanvas canvas;
  CanvasDCScope scope(&canvas, screen.Get());
  canvas.Font()->Assign(Screen->MenuFont());
  int width = static_cast<int>(measure->itemWidth);
  int height = static_cast<int>(measure->itemHeight);
  item->MeasureItem(&canvas, width, height);
  measure->itemWidth = static_cast<UINT>(width);
  measure->itemHeight = static_cast<UINT>(height);
}

void DrawMenuItem(TMenuItem* item, const DRAWITEMSTRUCT* draw) {
  TCanvas canvas;
  CanvasDCScope scope(&canvas, draw->hDC);
  canvas.Font()->Assign(Screen->MenuFont());
  item->AdvancedDrawItem(&canvas, TRect::FromRECT(draw->rcItem), OwnerDrawState(draw->itemState));
}

}  // namespace

UINT AllocateMenuCommand(TMenuItem* item) {
  auto& commands = Commands();
  static UINT next = kFirstCommand;
  for (UINT tries = 0; tries <= kLastCommand - kFirstCommand; ++tries) {
    const UINT command = next;
    next = next == kLastCommand ? kFirstCommand : next + 1;
    if (commands.emplace(command, item).second) return command;
  }
  throw EInvalidOperation("Too many menu items");
}

void ReleaseMenuCommand(UINT command) { Commands().erase(command); }

TMenuItem* FindMenuItemByCommand(UINT command) {
  const auto found = Commands().find(command);
  return found != Commands().end() ? found->second : nullptr;
}

bool DispatchMenuMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_COMMAND: {
      // Menus send 0 and accelerators 1 in the high word; controls name themselves in LParam.
      if (Message.LParam != 0 || HIWORD(Message.WParam) > 1) return false;
      TMenuItem* item = FindMenuItemByCommand(LOWORD(Message.WParam));
      if (item == nullptr) return false;
      item->Click();
      Message.Result = 0;
      return true;
    }
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
      if (measure->CtlType != ODT_MENU) return false;
      TMenuItem* item = FindMenuItemByCommand(measure->itemID);
      if (item == nullptr) return false;
      MeasureMenuItem(item, measure);
      Message.Result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
      if (draw->CtlType != ODT_MENU) return false;
      TMenuItem* item = FindMenuItemByCommand(draw->itemID);
      if (item == nullptr) return false;
      DrawMenuItem(item, draw);
      Message.Result = TRUE;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace fw
