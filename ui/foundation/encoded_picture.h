#pragma once
// The common ground of the GDI+ pictures: a graphic that keeps the encoded bytes of an image file (BMP,
// PNG, JPEG, GIF, TIFF, icon, ...) and decodes them through GDI+ each time it is measured or drawn.
#include <cstdint>
#include <memory>

#include "framework/graphics/graphic.h"
#include "framework/services/service.h"
#include "framework/streams/memory_stream.h"
#include "ui/foundation/gdip_image.h"

namespace ui {

// The global memory a decode copies the bytes into (GlobalAlloc); a test replaces it to make it fail.
extern fw::Service<HGLOBAL(UINT, SIZE_T)> ImageMemoryAllocate;

// The stored bytes decoded once: a COM stream on a copy of them (positioned at the start) and the image
// GDI+ made from it; both are released when this goes. Raises "Could not allocate memory for image" when
// no global memory can be had.
class TDecodedImage {
 public:
  explicit TDecodedImage(fw::TMemoryStream& Data);
  ~TDecodedImage();
  TDecodedImage(const TDecodedImage&) = delete;
  TDecodedImage& operator=(const TDecodedImage&) = delete;

  // False when no COM stream could be made over the bytes (then there is no image).
  bool Decoded() const { return image_ != nullptr; }
  TGPImage& Image() { return *image_; }
  // A bitmap made from the same bytes (for reading pixels).
  std::unique_ptr<TGPBitmap> MakeBitmap();

 private:
  IStream* stream_ = nullptr;
  std::unique_ptr<TGPImage> image_;
};

class TEncodedPicture : public fw::TGraphic {
 public:
  TEncodedPicture() = default;

  bool Empty() const override { return empty_; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // The size always comes from the image.
  void SetWidth(int) override {}
  void SetHeight(int) override {}

  void SaveToStream(fw::TStream* Stream) override;

  // Decodes the stored image once and takes its size: true when the bytes went to GDI+ (an undecodable
  // image measures 0 x 0), false when there is nothing to decode.
  bool GetImageSizes();

  // The stored bytes.
  fw::TMemoryStream& Data() { return data_; }

  fw::TNotifyEvent OnClear;

 protected:
  void WriteData(fw::TStream* Stream) override { SaveToStream(Stream); }
  bool HasBytes() { return !empty_ && data_.Size() > 0; }
  // Replaces the bytes with the whole of Stream (from its start) and marks the picture loaded.
  void TakeBytes(fw::TStream* Stream);
  // Assigning nothing: no bytes, empty, OnChange and then OnClear.
  void AssignNothing();
  // Another picture's bytes; empty when there are none. OnChange.
  void CopyBytesOf(TEncodedPicture* Source);
  // The bytes the graphic saves itself as; not empty. OnChange.
  void SaveBytesOf(fw::TGraphic* Graphic);
  void FireClear() {
    if (OnClear) OnClear(this);
  }
  // Assign: no source empties the picture; SameClass (the source when it is of the caller's own class)
  // gives its bytes; another graphic (any with AnyGraphic, else only a bitmap) or the graphic a picture
  // holder holds gives the bytes it saves itself as; then the size is taken.
  void AssignEncoded(fw::TPersistent* Source, TEncodedPicture* SameClass, bool AnyGraphic);
  // Draw: a bitmap image through a framework bitmap with automatic transparency, stretched to Rect or at
  // its own size at Rect's corner; any other image through GDI+ into Rect, taking its size.
  void DrawEncoded(fw::TCanvas* ACanvas, const fw::TRect& Rect, bool StretchBitmap);

  fw::TMemoryStream data_;
  bool empty_ = true;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace ui
