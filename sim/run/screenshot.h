// The main window as the screen shows it, written to a bitmap file (24 bits per pixel).
#pragma once

#include <windows.h>

#include <string>

namespace trelvikrun {

// False when the window has no area on the screen or the file could not be written.
bool SaveWindowBitmap(HWND window, const std::string& path);

}  // namespace trelvikrun
