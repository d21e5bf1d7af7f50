// The message-box service: every message box of the program goes through ShowMessageBox, so a test can
// answer it (and see what was asked) instead of a user.
#pragma once

#include <string>
#include <windows.h>

#include "framework/services/service.h"

namespace fw {

struct MessageBoxRequest {
  HWND Owner = nullptr;
  std::string Text;
  std::string Caption;
  UINT Flags = MB_OK;  // MB_* buttons, icon and default button

  UINT Buttons() const { return Flags & MB_TYPEMASK; }            // MB_OK, MB_YESNOCANCEL, ...
  UINT Icon() const { return Flags & MB_ICONMASK; }               // MB_ICONQUESTION, ...
  int DefaultButton() const { return static_cast<int>((Flags & MB_DEFMASK) >> 8) + 1; }  // 1 for the first
};

// Shows the box and returns the button chosen (IDOK, IDYES, IDCANCEL, ...).
extern Service<int(const MessageBoxRequest&)> ShowMessageBox;

}  // namespace fw
