#include "sim/run/screenshot.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace trelvikrun {

namespace {

// Releases a screen DC, a memory DC and a bitmap however the capture ends.
struct Capture {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = nullptr;
  ~Capture() {
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (memory != nullptr) DeleteDC(memory);
    if (screen != nullptr) ReleaseDC(nullptr, screen);
  }
};

// Empty when the window was captured, else what failed.
std::string TryCapture(HWND window, WindowPicture& picture) {
  RECT area{};
  if (window == nullptr || !GetWindowRect(window, &area)) return "no window area";
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return "an empty window area";
  // The window comes to the front so that the screen shows it whole.
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  Sleep(300);  // the program paints on its own thread; a screenshot is no test, so a short pause is enough

  Capture capture;
  if (capture.screen == nullptr || capture.memory == nullptr) return "no screen device context";
  capture.bitmap = CreateCompatibleBitmap(capture.screen, width, height);
  if (capture.bitmap == nullptr) return "no bitmap";
  const HGDIOBJ old = SelectObject(capture.memory, capture.bitmap);
  const BOOL copied = BitBlt(capture.memory, 0, 0, width, height, capture.screen, area.left, area.top, SRCCOPY);
  SelectObject(capture.memory, old);
  if (!copied) return "the screen could not be copied (error " + std::to_string(GetLastError()) + ")";

  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = -height;  // top-down
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  picture.width = width;
  picture.height = height;
  picture.pixels.assign(static_cast<std::size_t>(picture.Stride()) * static_cast<std::size_t>(height), 0);
  if (GetDIBits(capture.memory, capture.bitmap, 0, static_cast<UINT>(height), picture.pixels.data(),
                reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) != height) {
    return "the pixels could not be read";
  }
  return {};
}

}  // namespace

std::string CaptureWindow(HWND window, WindowPicture& picture) {
  // A display that has just come up may not map the window at once: a few tries, a second apart.
  std::string failure;
  for (int attempt = 0; attempt < 5; ++attempt) {
    failure = TryCapture(window, picture);
    if (failure.empty()) break;
    Sleep(1000);
  }
  return failure;
}

std::string SavePictures(const std::vector<WindowPicture>& pictures, const std::string& path) {
  WindowPicture sheet;
  for (const WindowPicture& p : pictures) {
    sheet.width = std::max(sheet.width, p.width);
    sheet.height += p.height;
  }
  if (sheet.width <= 0 || sheet.height <= 0) return "no picture to write";
  const int stride = sheet.Stride();
  sheet.pixels.assign(static_cast<std::size_t>(stride) * static_cast<std::size_t>(sheet.height), 0);
  int top = 0;
  for (const WindowPicture& p : pictures) {
    for (int y = 0; y < p.height; ++y) {
      std::memcpy(&sheet.pixels[static_cast<std::size_t>(top + y) * static_cast<std::size_t>(stride)],
                  &p.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(p.Stride())],
                  static_cast<std::size_t>(p.width) * 3);
    }
    top += p.height;
  }

  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = sheet.width;
  info.biHeight = sheet.height;  // bottom-up, as bitmap files keep their rows
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = static_cast<DWORD>(file.bfOffBits + sheet.pixels.size());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  for (int y = sheet.height - 1; y >= 0; --y) {
    out.write(&sheet.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(stride)], stride);
  }
  return out ? std::string() : "the file could not be written";
}

std::string SaveWindowBitmap(HWND window, const std::string& path) {
  WindowPicture picture;
  const std::string failure = CaptureWindow(window, picture);
  return failure.empty() ? SavePictures({picture}, path) : failure;
}

}  // namespace trelvikrun
