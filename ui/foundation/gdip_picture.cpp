#include "ui/foundation/gdip_picture.h"

namespace ui {

void TGDIPPicture::Assign(fw::TPersistent* Source) {
  AssignEncoded(Source, dynamic_cast<TGDIPPicture*>(Source), false);
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

void TGDIPPicture::Draw(fw::TCanvas* ACanvas, const fw::TRect& Rect) { DrawEncoded(ACanvas, Rect, true); }

}  // namespace ui
