#include "ui/foundation/gdip_image.h"

namespace ui {

using namespace flat;

namespace {

// GDI+'s image-format identifiers differ only in their first word: b96b3cXX-0728-11d3-9d7b-0000f81ef32e.
struct KnownFormat {
  unsigned long FirstWord;
  int Format;
};
constexpr KnownFormat kKnownFormats[] = {
    {0xb96b3caa, ifMemoryBMP}, {0xb96b3cab, ifBMP},  {0xb96b3cac, ifEMF},  {0xb96b3cad, ifWMF},
    {0xb96b3cae, ifJPEG},      {0xb96b3caf, ifPNG},  {0xb96b3cb0, ifGIF},  {0xb96b3cb1, ifTIFF},
    {0xb96b3cb2, ifEXIF},      {0xb96b3cb5, ifIcon},
};

bool HasImageFormatTail(const GUID& guid) {
  static constexpr unsigned char kTail[8] = {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e};
  if (guid.Data2 != 0x0728 || guid.Data3 != 0x11d3) return false;
  for (int i = 0; i < 8; ++i) {
    if (guid.Data4[i] != kTail[i]) return false;
  }
  return true;
}

}  // namespace

TGPImage::TGPImage(IStream* Stream, bool UseEmbeddedColorManagement) {
  SetCreationStatus(UseEmbeddedColorManagement ? GdipLoadImageFromStreamICM(Stream, &native_)
                                               : GdipLoadImageFromStream(Stream, &native_));
}
TGPImage::~TGPImage() { GdipDisposeImage(native_); }

int TGPImage::GetFormat() {
  GUID format{};
  if (SetStatus(GdipGetImageRawFormat(native_, &format)) != Ok) return ifUnknown;
  if (!HasImageFormatTail(format)) return ifUnknown;
  for (const KnownFormat& known : kKnownFormats) {
    if (format.Data1 == known.FirstWord) return known.Format;
  }
  return ifUnknown;
}

UINT TGPImage::GetWidth() {
  UINT width = 0;
  SetStatus(GdipGetImageWidth(native_, &width));
  return width;
}

UINT TGPImage::GetHeight() {
  UINT height = 0;
  SetStatus(GdipGetImageHeight(native_, &height));
  return height;
}

PixelFormat TGPImage::GetPixelFormat() {
  int format = 0;
  SetStatus(GdipGetImagePixelFormat(native_, &format));
  return format;
}

TGPBitmap::TGPBitmap(IStream* Stream, bool UseEmbeddedColorManagement) {
  SetCreationStatus(UseEmbeddedColorManagement ? GdipCreateBitmapFromStreamICM(Stream, &native_)
                                               : GdipCreateBitmapFromStream(Stream, &native_));
}

TGPBitmap::TGPBitmap(int Width, int Height, PixelFormat Format) {
  SetCreationStatus(GdipCreateBitmapFromScan0(Width, Height, 0, Format, nullptr, &native_));
}

GpStatus TGPBitmap::GetPixel(int X, int Y, ARGB& Color) {
  return SetStatus(GdipBitmapGetPixel(native_, X, Y, &Color));
}

}  // namespace ui
