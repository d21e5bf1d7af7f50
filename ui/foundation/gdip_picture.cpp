#include "ui/foundation/gdip_picture.h"

#include "framework/graphics/bitmap.h"
#include "framework/graphics/picture.h"
#include "ui/foundation/gdip_graphics.h"

namespace ui {

void TGDIPPicture::Assign(fw::TPersistent* Source) {
  empty_ = true;
  if (Source == nullptr) {
    AssignNothing();
    return;
  }
  if (auto* picture = dynamic_cast<TGDIPPicture*>(Source)) {
    CopyBytesOf(picture);
  } else if (auto* bitmap = dynamic_cast<fw::TBitmap*>(Source)) {
    SaveBytesOf(bitmap);
  } else if (auto* holder = dynamic_cast<fw::TPicture*>(Source)) {
    if (holder->Graphic() != nullptr) SaveBytesOf(holder->Graphic());
  }
  GetImageSizes();
}

fw::TGraphic* TGDIPPicture::NewGraphic() const { return fw::Create<TGDIPPicture>(); }

void TGDIPPicture::ReadData(fw::TStream* Stream) {
  if (Stream != nullptr) TakeBytes(Stream);
}

void TGDIPPicture::LoadFromStream(fw::TStream* Stream) {
  if (Stream == nullptr) return;
  TakeBytes(Stream);
  GetImageSizes();
  Changed(this);
}

void TGDIPPicture::LoadFromFile(const std::string& FileName) {
  try {
    data_.LoadFromFile(FileName);
    empty_ = false;
    fileName_ = FileName;
    FireClear();
    GetImageSizes();
    Changed(this);
  } catch (...) {
    empty_ = true;
  }
}

void TGDIPPicture::Draw(fw::TCanvas* ACanvas, const fw::TRect& Rect) {
  if (!HasBytes()) return;
  TDecodedImage decoded(data_);
  if (!decoded.Decoded()) return;
  if (decoded.Image().GetFormat() == ifBMP) {
    fw::TBitmap bitmap;
    data_.SetPosition(0);
    bitmap.LoadFromStream(&data_);
    bitmap.SetTransparentMode(fw::tmAuto);
    bitmap.SetTransparent(true);
    ACanvas->StretchDraw(Rect, &bitmap);
    return;
  }
  width_ = static_cast<int>(decoded.Image().GetWidth());
  height_ = static_cast<int>(decoded.Image().GetHeight());
  TGPGraphics graphics(ACanvas->Handle());
  graphics.DrawImageRect(&decoded.Image(), Rect.Left, Rect.Top, Rect.Right - Rect.Left, Rect.Bottom - Rect.Top);
}

}  // namespace ui
