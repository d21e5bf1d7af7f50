// The main window as the screen shows it, written to a bitmap file (24 bits per pixel).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace trelvikrun {

// One capture of a window: 24-bit pixels, rows top to bottom, each row padded to four bytes.
struct WindowPicture {
  int width = 0;
  int height = 0;
  std::vector<char> pixels;
  int Stride() const { return (width * 3 + 3) & ~3; }
};

// Brings the window to the front, repaints it and copies it from the screen. Empty when it was captured,
// else what failed; a display that has just come up gets a few tries, a second apart.
std::string CaptureWindow(HWND window, WindowPicture& picture);

// The pictures one below the other in one bitmap file (as wide as the widest). Empty when the file was
// written, else what failed.
std::string SavePictures(const std::vector<WindowPicture>& pictures, const std::string& path);

// CaptureWindow and SavePictures of that one picture.
std::string SaveWindowBitmap(HWND window, const std::string& path);

}  // namespace trelvikrun
