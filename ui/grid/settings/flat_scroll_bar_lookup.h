// How the grid finds the common controls' flat scroll-bar functions: by name in the already loaded
// "comctl32.dll", again at every call. Null when the library is not loaded or lacks the function. Tests
// replace the lookup to see the calls or to play a library without them.
#pragma once

#include <windows.h>

#include "framework/services/service.h"

namespace ui {

extern fw::Service<FARPROC(const char* Name)> FlatScrollBarProc;

}  // namespace ui
