#include "sim/run/screenshot.h"

#include <fstream>
#include <vector>

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

}  // namespace

namespace {

// Empty when the file was written, else what failed.
std::string TrySave(HWND window, const std::string& path) {
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
  info.biHeight = height;  // bottom-up, as bitmap files keep their rows
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const int stride = (width * 3 + 3) & ~3;
  std::vector<char> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
  if (GetDIBits(capture.memory, capture.bitmap, 0, static_cast<UINT>(height), pixels.data(),
                reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) != height) {
    return "the pixels could not be read";
  }
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return out ? std::string() : "the file could not be written";
}

}  // namespace

std::string SaveWindowBitmap(HWND window, const std::string& path) {
  // A display that has just come up may not map the window at once: a few tries, a second apart.
  std::string failure;
  for (int attempt = 0; attempt < 5; ++attempt) {
    failure = TrySave(window, path);
    if (failure.empty()) break;
    Sleep(1000);
  }
  return failure;
}

}  // namespace trelvikrun
