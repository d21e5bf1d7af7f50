#include "ui/foundation/vx_gdip_picture.h"

#include "framework/graphics/bitmap.h"
#include "framework/graphics/picture.h"
#include "ui/foundation/image_header_readers.h"

namespace ui {

void TVxGDIPPicture::Assign(fw::TPersistent* Source) {
  AssignEncoded(Source, dynamic_cast<TVxGDIPPicture*>(Source), true);
}

fw::TGraphic* TVxGDIPPicture::NewGraphic() const { return fw::Create<TVxGDIPPicture>(); }

void TVxGDIPPicture::ReadData(fw::TStream* Stream) {
  if (Stream == nullptr || Stream->Size() == 0) return;
  TakeBytes(Stream);
  GetImageSizes();
}

void TVxGDIPPicture::LoadFromStream(fw::TStream* Stream) {
  if (Stream == nullptr || Stream->Size() == 0) return;
  TakeBytes(Stream);
  GetImageSizes();
  Changed(this);
}

void TVxGDIPPicture::LoadFromFile(const std::string& FileName) {
  try {
    data_.LoadFromFile(FileName);
    empty_ = false;
    FireClear();
    width_ = 0;
    height_ = 0;
    if (HasBytes()) {
      const TImageHeaderSize size = ReadImageHeaderSize(FileName);
      width_ = size.Width;
      height_ = size.Height;
    }
    Changed(this);
  } catch (...) {
    empty_ = true;
  }
}

void TVxGDIPPicture::Draw(fw::TCanvas* ACanvas, const fw::TRect& Rect) { DrawEncoded(ACanvas, Rect, false); }

void TVxGDIPPicture::GDIPDraw(TGPGraphics* Graphics, const fw::TRect& Rect) {
  if (!HasBytes()) return;
  TDecodedImage decoded(data_);
  if (!decoded.Decoded()) return;
  TGPImage& image = decoded.Image();
  hasAlpha_ = image.HasAlpha();
  isIndexed_ = image.IsIndexed();
  bitsPerPixel_ = image.GetBitsPerPixel();
  pixelFormat_ = image.GetPixelFormat();
  width_ = static_cast<int>(image.GetWidth());
  height_ = static_cast<int>(image.GetHeight());
  if (image.GetFormat() == ifBMP && Transparent()) {
    ARGB key = ColorToARGB(transparentColor_);
    if (transparentMode_ == 0) {
      const auto bitmap = decoded.MakeBitmap();
      bitmap->GetPixel(0, height_ - 1, key);
    }
    TGPImageAttributes attributes;
    attributes.SetColorKey(key, key, ColorAdjustTypeDefault);
    Graphics->DrawImageRectRect(&image,
                                MakeRect(static_cast<float>(Rect.Left), static_cast<float>(Rect.Top),
                                         static_cast<float>(width_), static_cast<float>(height_)),
                                0, 0, static_cast<float>(width_), static_cast<float>(height_), UnitPixel,
                                &attributes);
    return;
  }
  Graphics->DrawImageRect(&image, Rect.Left, Rect.Top, Rect.Right - Rect.Left, Rect.Bottom - Rect.Top);
}

void TVxGDIPPicture::FillPathWithPicture(TGPGraphics* Graphics, TGPGraphicsPath* Path) {
  if (!HasBytes()) return;
  TDecodedImage decoded(data_);
  if (!decoded.Decoded()) return;
  TGPTextureBrush brush(&decoded.Image(), WrapModeTile);
  Graphics->FillPath(&brush, Path);
}

void TVxGDIPPicture::FillRectWithPicture(TGPGraphics* Graphics, const GpRectF& Rect) {
  if (!HasBytes()) return;
  TDecodedImage decoded(data_);
  if (!decoded.Decoded()) return;
  TGPTextureBrush brush(&decoded.Image(), WrapModeTile);
  Graphics->FillRectangle(&brush, Rect);
}

}  // namespace ui
