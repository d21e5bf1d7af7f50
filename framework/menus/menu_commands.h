#pragma once
// The command identifiers of menu items: each item takes one for its life, and the window that shows a
// menu finds the item of a WM_COMMAND, WM_MEASUREITEM or WM_DRAWITEM by it.
#include <windows.h>

#include "framework/controls/messages.h"

namespace fw {

class TMenuItem;

UINT AllocateMenuCommand(TMenuItem* item);
void ReleaseMenuCommand(UINT command);
// The item of a command, nullptr when no item has it.
TMenuItem* FindMenuItemByCommand(UINT command);
// Handles the message when it is about a menu item (a menu's WM_COMMAND, an owner-drawn menu item's
// WM_MEASUREITEM or WM_DRAWITEM) and returns true; false for any other message.
bool DispatchMenuMessage(TMessage& Message);

}  // namespace fw
