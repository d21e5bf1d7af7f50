#pragma once
// A bitmap in memory (a top-down DIB section) with a canvas to draw on it: loaded from BMP bytes (a
// stream, a file, a bitmap resource) or drawn by the program; glyphs of buttons and the pictures of images
// are bitmaps.
//
// PixelFormat: pfDevice (the default; kept as 32 bits per pixel and drawn opaque), pf1bit (black and
// white), pf24bit, pf32bit; BMP files of 4 and 8 bits keep their depth and colour table. Only a pf32bit
// bitmap whose pixels carry alpha draws blended (premultiplied, as AlphaBlend takes it); every other one
// draws opaque.
//
// Transparent drawing leaves out the pixels of TransparentColor: with tmAuto the bottom-left pixel's
// colour, with tmFixed the colour set (setting TransparentColor chooses tmFixed, clDefault tmAuto).
#include <cstdint>
#include <memory>
#include <string>

#include "framework/graphics/canvas.h"
#include "framework/graphics/dib.h"
#include "framework/graphics/gdi_handles.h"
#include "framework/graphics/graphic.h"

namespace fw {

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
 public:
  TBitmap();
  ~TBitmap() override;

  // Copies another bitmap's pixels and settings (nullptr empties this one).
  void Assign(TPersistent* Source) override;
  TGraphic* NewGraphic() const override;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int value) override { SetSize(value, height_); }
  void SetHeight(int value) override { SetSize(width_, value); }
  // Resizes keeping the pixels that still fit; new pixels are white.
  void SetSize(int AWidth, int AHeight);
  bool Empty() const override { return !bitmap_; }

  TPixelFormat PixelFormat() const { return pixelFormat_; }
  // Converts the pixels (pfDevice, pf1bit, pf24bit, pf32bit; EInvalidGraphic for the others).
  void SetPixelFormat(TPixelFormat value);
  // The pixels of row y (0 = top), DibStride(Width, bits) bytes; EInvalidGraphic outside the bitmap.
  void* ScanLine(int y);

  HBITMAP Handle() const { return bitmap_.Get(); }
  TCanvas* Canvas();

  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode value);
  TColor TransparentColor();
  void SetTransparentColor(TColor value);

  // BMP bytes: LoadFromStream reads a BMP file from the stream's position (EInvalidGraphic when it is
  // none and the bitmap stays as it was); SaveToStream writes one in the bitmap's depth.
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;
  // A bitmap resource (RT_BITMAP) of a module: EResNotFound when it has none of that name.
  void LoadFromResourceName(HINSTANCE Instance, const std::string& ResName);
  void LoadFromResourceID(HINSTANCE Instance, int ResID);
  // Copies any bitmap handle (pfDevice).
  void LoadFromHandle(HBITMAP source);

  // Draws the bitmap stretched into rect (transparently when Transparent, blended when it carries alpha).
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  void Draw(HDC dc, const TRect& rect);

 private:
  class BitmapCanvas;
  void ReleaseCanvasDC();
  void Replace(GdiObject<HBITMAP> dib, void* bits, int width, int height, TPixelFormat format);
  void LoadPackedDib(const std::uint8_t* data, size_t size, const std::uint8_t* pixels, size_t pixelBytes);
  int BitCount() const;
  bool CarriesAlpha();

  int width_ = 0;
  int height_ = 0;
  TPixelFormat pixelFormat_ = pfDevice;
  GdiObject<HBITMAP> bitmap_;
  void* bits_ = nullptr;
  std::unique_ptr<BitmapCanvas> canvas_;
  TTransparentMode transparentMode_ = tmAuto;
  TColor transparentColor_ = clDefault;
};

}  // namespace fw
