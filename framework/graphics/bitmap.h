#pragma once
// A bitmap in memory (a 32-bit DIB section) with a canvas to draw on it, loaded from a .bmp file or drawn
// by the program; glyphs of buttons and the pictures of images are bitmaps.
//
// Transparent drawing leaves out the pixels of TransparentColor (by default the bottom-left pixel's).
#include <memory>
#include <string>

#include "framework/graphics/canvas.h"
#include "framework/graphics/gdi_handles.h"

namespace fw {

// A 32-bit top-down DIB section; bits (when asked) receives its pixels, one BGRA word each. Raises on failure.
GdiObject<HBITMAP> CreateTopDownDib(int width, int height, void** bits = nullptr);

class TBitmap : public TPersistent {
 public:
  TBitmap();
  ~TBitmap() override;

  // Copies another bitmap's pixels and settings (nullptr empties this one).
  void Assign(TPersistent* Source) override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetWidth(int value) { SetSize(value, height_); }
  void SetHeight(int value) { SetSize(width_, value); }
  // Resizes keeping the pixels that still fit; new pixels are white.
  void SetSize(int AWidth, int AHeight);
  bool Empty() const { return !bitmap_; }

  HBITMAP Handle() const { return bitmap_.Get(); }
  TCanvas* Canvas();

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // The colour left out by transparent drawing: the bottom-left pixel unless set (clDefault).
  TColor TransparentColor();
  void SetTransparentColor(TColor value);

  // Raises EFOpenError when the file is missing or not a bitmap.
  void LoadFromFile(const std::string& FileName);
  void LoadFromHandle(HBITMAP source);

  // Draws the bitmap stretched into rect of dc (transparently when Transparent).
  void Draw(HDC dc, const TRect& rect);

  TNotifyEvent OnChange;

 private:
  class BitmapCanvas;
  void Changed();
  void ReleaseCanvasDC();

  int width_ = 0;
  int height_ = 0;
  GdiObject<HBITMAP> bitmap_;
  std::unique_ptr<BitmapCanvas> canvas_;
  bool transparent_ = false;
  TColor transparentColor_ = clDefault;
};

}  // namespace fw
