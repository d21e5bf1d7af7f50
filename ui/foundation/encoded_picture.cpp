#include "ui/foundation/encoded_picture.h"

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/picture.h"
#include "framework/rtl/exceptions.h"
#include "ui/foundation/gdip_graphics.h"

namespace ui {

namespace {
HGLOBAL AllocateGlobal(UINT flags, SIZE_T size) { return GlobalAlloc(flags, size); }
}  // namespace

fw::Service<HGLOBAL(UINT, SIZE_T)> ImageMemoryAllocate(AllocateGlobal);

TDecodedImage::TDecodedImage(fw::TMemoryStream& Data) {
  const auto size = static_cast<SIZE_T>(Data.Size());
  HGLOBAL block = ImageMemoryAllocate(GMEM_MOVEABLE, size);
  if (block == nullptr) throw fw::Exception("Could not allocate memory for image");
  // The stream owns the block from here and frees it when released.
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream_))) {
    GlobalFree(block);
    stream_ = nullptr;
    return;
  }
  ULONG written = 0;
  stream_->Write(Data.Memory(), static_cast<ULONG>(size), &written);
  LARGE_INTEGER start{};
  stream_->Seek(start, STREAM_SEEK_SET, nullptr);
  image_ = std::make_unique<TGPImage>(stream_, false);
}

TDecodedImage::~TDecodedImage() {
  image_.reset();
  if (stream_ != nullptr) stream_->Release();
}

std::unique_ptr<TGPBitmap> TDecodedImage::MakeBitmap() {
  LARGE_INTEGER start{};
  stream_->Seek(start, STREAM_SEEK_SET, nullptr);
  return std::make_unique<TGPBitmap>(stream_, false);
}

void TEncodedPicture::SaveToStream(fw::TStream* Stream) {
  if (Stream != nullptr) data_.SaveToStream(Stream);
}

bool TEncodedPicture::GetImageSizes() {
  if (!HasBytes()) return false;
  TDecodedImage decoded(data_);
  if (!decoded.Decoded()) return false;
  width_ = static_cast<int>(decoded.Image().GetWidth());
  height_ = static_cast<int>(decoded.Image().GetHeight());
  return true;
}

void TEncodedPicture::TakeBytes(fw::TStream* Stream) {
  data_.LoadFromStream(Stream);
  empty_ = false;
}

void TEncodedPicture::AssignNothing() {
  data_.Clear();
  empty_ = true;
  Changed(this);
  FireClear();
}

void TEncodedPicture::CopyBytesOf(TEncodedPicture* Source) {
  if (Source != this) data_.LoadFromStream(&Source->data_);
  empty_ = data_.Size() == 0;
  Changed(this);
}

void TEncodedPicture::SaveBytesOf(fw::TGraphic* Graphic) {
  fw::TMemoryStream saved;
  Graphic->SaveToStream(&saved);
  data_.LoadFromStream(&saved);
  empty_ = false;
  Changed(this);
}

void TEncodedPicture::AssignEncoded(fw::TPersistent* Source, TEncodedPicture* SameClass, bool AnyGraphic) {
  empty_ = true;
  if (Source == nullptr) {
    AssignNothing();
    return;
  }
  auto* graphic = dynamic_cast<fw::TGraphic*>(Source);
  if (SameClass != nullptr) {
    CopyBytesOf(SameClass);
  } else if (graphic != nullptr && (AnyGraphic || dynamic_cast<fw::TBitmap*>(graphic) != nullptr)) {
    SaveBytesOf(graphic);
  } else if (auto* holder = dynamic_cast<fw::TPicture*>(Source)) {
    if (holder->Graphic() != nullptr) SaveBytesOf(holder->Graphic());
  }
  GetImageSizes();
}

void TEncodedPicture::DrawEncoded(fw::TCanvas* ACanvas, const fw::TRect& Rect, bool StretchBitmap) {
  if (!HasBytes()) return;
  TDecodedImage decoded(data_);
  if (!decoded.Decoded()) return;
  if (decoded.Image().GetFormat() == ifBMP) {
    fw::TBitmap bitmap;
    data_.SetPosition(0);
    bitmap.LoadFromStream(&data_);
    bitmap.SetTransparentMode(fw::tmAuto);
    bitmap.SetTransparent(true);
    if (StretchBitmap) {
      ACanvas->StretchDraw(Rect, &bitmap);
    } else {
      bitmap.Draw(ACanvas, fw::Bounds(Rect.Left, Rect.Top, bitmap.Width(), bitmap.Height()));
    }
    return;
  }
  width_ = static_cast<int>(decoded.Image().GetWidth());
  height_ = static_cast<int>(decoded.Image().GetHeight());
  TGPGraphics graphics(ACanvas->Handle());
  graphics.DrawImageRect(&decoded.Image(), Rect.Left, Rect.Top, Rect.Right - Rect.Left, Rect.Bottom - Rect.Top);
}

}  // namespace ui
