#pragma once
// GDI+ images and bitmaps decoded from a COM stream, and bitmaps made in memory.
#include <windows.h>
#include <objidl.h>

#include "ui/foundation/gdip_base.h"
#include "ui/foundation/gdiplus_flat.h"

namespace ui {

// What GetFormat answers.
enum TGPImageFormat {
  ifUnknown = 0,
  ifMemoryBMP = 1,
  ifBMP = 2,
  ifEMF = 3,
  ifWMF = 4,
  ifJPEG = 5,
  ifPNG = 6,
  ifGIF = 7,
  ifTIFF = 8,
  ifEXIF = 9,
  ifIcon = 10
};

class TGPImage : public TGPNativeObject<flat::GpImage> {
 public:
  // Decodes the stream (held only during the call), with embedded colour management when asked.
  TGPImage(IStream* Stream, bool UseEmbeddedColorManagement);
  ~TGPImage() override;

  // The file format GDI+ decoded (TGPImageFormat).
  int GetFormat();
  UINT GetWidth();
  UINT GetHeight();
  PixelFormat GetPixelFormat();
  int GetBitsPerPixel() { return (GetPixelFormat() >> 8) & 0xFF; }
  bool HasAlpha() { return (GetPixelFormat() & PixelFormatAlpha) != 0; }
  bool IsIndexed() { return (GetPixelFormat() & PixelFormatIndexed) != 0; }

 protected:
  TGPImage() = default;
};

class TGPBitmap : public TGPImage {
 public:
  TGPBitmap(IStream* Stream, bool UseEmbeddedColorManagement);
  // An empty bitmap of the size in the format (GDI+ keeps the pixels).
  TGPBitmap(int Width, int Height, PixelFormat Format);

  GpStatus GetPixel(int X, int Y, ARGB& Color);
};

}  // namespace ui
