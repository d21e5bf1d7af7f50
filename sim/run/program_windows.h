// The running program's windows read from another process: its main window by caption, the lines of its
// list boxes. Shared by trelvik_run and the end-to-end tests.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace trelvikrun {

// The process's top-level windows, in window order.
std::vector<HWND> TopLevelWindows(DWORD processId);

// The process's top-level window with the main form's caption, or null.
HWND FindMainWindow(DWORD processId);

// The lines of every list box under the window, in window order. A box that does not answer within 2 s is
// left out.
std::vector<std::vector<std::string>> ListBoxLines(HWND window);

// A left click at a point of the window's client area, delivered to the innermost visible child window
// there (in its own coordinates) as the mouse would: move, press, release. False when a message was not
// taken within 2 s.
bool ClickAt(HWND window, POINT clientPoint);

// The text of a panel of the window's status bar, read through a buffer in the program's memory (status bar
// texts do not travel between processes by themselves); empty when it cannot be read.
std::string StatusPanelText(HWND window, int panel);

}  // namespace trelvikrun
