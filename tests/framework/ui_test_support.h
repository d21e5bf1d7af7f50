// Helpers for the window-layer tests: a memory bitmap to paint into and read back, and an application
// per test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <memory>

#include "framework/forms/application.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/gdi_handles.h"

namespace fw::testing {

// A 32-bit top-down DIB selected into a memory DC, filled white at start.
class MemoryBitmap {
 public:
  MemoryBitmap(int width, int height) : width_(width), height_(height) {
    void* bits = nullptr;
    bitmap_ = CreateTopDownDib(width, height, &bits);
    bits_ = static_cast<std::uint32_t*>(bits);
    selected_ = std::make_unique<SelectedObject>(dc_.Get(), bitmap_.Get());
    Fill(clWhite);
  }

  HDC DC() const { return dc_.Get(); }
  void Fill(TColor color) {
    const RECT all{0, 0, width_, height_};
    GdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(color)));
    FillRect(dc_.Get(), &all, brush.Get());
  }
  // The pixel as a TColor (0x00BBGGRR).
  TColor Pixel(int x, int y) const {
    GdiFlush();
    const std::uint32_t bgra = bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
    return static_cast<TColor>(((bgra & 0xFF) << 16) | (bgra & 0xFF00) | ((bgra >> 16) & 0xFF));
  }
  // How many pixels inside the rectangle have the colour.
  int Count(const RECT& r, TColor color) const {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) count += Pixel(x, y) == color ? 1 : 0;
    }
    return count;
  }

 private:
  int width_;
  int height_;
  MemoryDC dc_;
  GdiObject<HBITMAP> bitmap_;
  std::uint32_t* bits_ = nullptr;
  std::unique_ptr<SelectedObject> selected_;
};

// Each test gets its own application, freed (with its forms) at the end, and an empty message queue.
class ApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DrainQueue();
    app_ = std::make_unique<TApplication>();
  }
  void TearDown() override {
    app_.reset();
    DrainQueue();
  }
  static void DrainQueue() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message != WM_QUIT) DispatchMessageA(&msg);
    }
  }
  TApplication& App() { return *app_; }

 private:
  std::unique_ptr<TApplication> app_;
};

}  // namespace fw::testing
