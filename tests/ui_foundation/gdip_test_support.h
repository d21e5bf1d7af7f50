// A 32-bit ARGB GDI+ bitmap to draw into and read back, and small helpers over the flat API that the
// checks need beyond the wrappers.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ui/foundation/gdip_graphics.h"

namespace ui::testing {

class ArgbSurface {
 public:
  ArgbSurface(int width, int height)
      : width_(width), height_(height), bitmap_(width, height, PixelFormat32bppARGB), graphics_(&bitmap_) {}

  TGPGraphics& Graphics() { return graphics_; }
  TGPBitmap& Bitmap() { return bitmap_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  ARGB Pixel(int x, int y) {
    ARGB color = 0;
    EXPECT_EQ(Ok, flat::GdipBitmapGetPixel(bitmap_.NativeHandle(), x, y, &color)) << x << "," << y;
    return color;
  }
  // How many pixels of the rectangle have exactly the colour.
  int Count(int left, int top, int right, int bottom, ARGB color) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) count += Pixel(x, y) == color ? 1 : 0;
    }
    return count;
  }
  // True when nothing has been drawn (every pixel still transparent).
  bool Untouched() { return Count(0, 0, width_, height_, 0) == width_ * height_; }
  // Saves the surface as a PNG file (for looking at, never for comparing).
  bool SaveAsPng(const std::wstring& path) {
    static const CLSID kPngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    return flat::GdipSaveImageToFile(bitmap_.NativeHandle(), path.c_str(), &kPngEncoder, nullptr) == Ok;
  }

 private:
  int width_;
  int height_;
  TGPBitmap bitmap_;
  TGPGraphics graphics_;
};

// Channel-wise closeness, for gradients (Wine's GDI+ differs from Windows' by a few levels).
inline bool Near(ARGB actual, ARGB expected, int tolerance) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int a = static_cast<int>((actual >> shift) & 0xFF);
    const int e = static_cast<int>((expected >> shift) & 0xFF);
    if (std::abs(a - e) > tolerance) return false;
  }
  return true;
}

inline bool PathContains(TGPGraphicsPath& path, float x, float y) {
  BOOL inside = FALSE;
  flat::GdipIsVisiblePathPoint(path.NativeHandle(), x, y, nullptr, &inside);
  return inside != FALSE;
}

inline GpRectF PathBounds(TGPGraphicsPath& path) {
  GpRectF bounds;
  flat::GdipGetPathWorldBounds(path.NativeHandle(), &bounds, nullptr, nullptr);
  return bounds;
}

// A COM stream over a copy of the bytes (released by the caller's ComStream).
class ComStream {
 public:
  explicit ComStream(const std::vector<unsigned char>& bytes) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    void* data = GlobalLock(block);
    if (!bytes.empty()) std::memcpy(data, bytes.data(), bytes.size());
    GlobalUnlock(block);
    CreateStreamOnHGlobal(block, TRUE, &stream_);
  }
  ~ComStream() {
    if (stream_ != nullptr) stream_->Release();
  }
  ComStream(const ComStream&) = delete;
  ComStream& operator=(const ComStream&) = delete;
  IStream* Get() const { return stream_; }

 private:
  IStream* stream_ = nullptr;
};

}  // namespace ui::testing
