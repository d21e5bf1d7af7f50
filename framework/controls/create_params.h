#pragma once
// What a windowed control asks of its window: styles, position, parent and window class. A control that
// is a standard Win32 control (BUTTON, EDIT, comctl32 classes, ...) names that class as BaseClassName; the
// framework then registers a class of its own over it, so the framework's procedure sees every message
// from the first one on and hands what it leaves to the standard control's procedure.
#include <string>
#include <windows.h>

namespace fw {

struct TCreateParams {
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  UINT ClassStyle = CS_DBLCLKS;
  HCURSOR ClassCursor = nullptr;
  std::string WinClassName;
  std::string BaseClassName;
};

}  // namespace fw
