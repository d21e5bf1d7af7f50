// The main window as the screen shows it, written to a bitmap file (24 bits per pixel).
#pragma once

#include <windows.h>

#include <string>

namespace trelvikrun {

// Empty when the file was written, else what failed.
std::string SaveWindowBitmap(HWND window, const std::string& path);

}  // namespace trelvikrun
