// The grid unit's two process-wide routines: the transparent-window style, and the GUI thread's
// call-window hook that keeps the shown focus window on its cell while windows move. GUI thread only.
#pragma once

#include <windows.h>

namespace ui {

class TVxStringGrid;

// Adds WS_EX_TRANSPARENT to the window's extended style.
void MakeWindowTransparent(HWND window);

// The grid whose focus window is shown; nullptr while none is.
TVxStringGrid* FocusWindowGrid();
void SetFocusWindowGrid(TVxStringGrid* grid);

// Installs the hook for the calling thread once; false when the system refuses it.
bool InstallFocusWindowHook();
void RemoveFocusWindowHook();
bool FocusWindowHookInstalled();

}  // namespace ui
