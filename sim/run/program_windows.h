// The running program's windows read from another process: its main window by caption, the lines of its
// list boxes. Shared by trelvik_run and the end-to-end tests.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace trelvikrun {

// The process's top-level window with the main form's caption, or null.
HWND FindMainWindow(DWORD processId);

// The lines of every list box under the window, in window order. A box that does not answer within 2 s is
// left out.
std::vector<std::vector<std::string>> ListBoxLines(HWND window);

}  // namespace trelvikrun
