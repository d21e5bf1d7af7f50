#include "framework/controls/image.h"

namespace fw {

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBoundsFields(0, 0, 105, 105);
  picture_.OnChange = [this](TObject*) { PictureChanged(); };
}

void TImage::PictureChanged() {
  if (TGraphic* graphic = picture_.Graphic(); graphic && graphic->Transparent() != transparent_) {
    graphic->SetTransparent(transparent_);  // fires OnChange again, which lands here with nothing to do
    return;
  }
  if (autoSize_ && !picture_.Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
  Invalidate();
}

void TImage::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  PictureChanged();
}

void TImage::SetStretch(bool value) {
  if (stretch_ == value) return;
  stretch_ = value;
  Invalidate();
}

void TImage::SetCenter(bool value) {
  if (center_ == value) return;
  center_ = value;
  Invalidate();
}

void TImage::SetAutoSize(bool value) {
  autoSize_ = value;
  if (value) PictureChanged();
}

void TImage::Paint() {
  if (picture_.Empty()) return;
  TRect target = Bounds(0, 0, picture_.Width(), picture_.Height());
  if (stretch_) {
    target = ClientRect();
  } else if (center_) {
    target = target.Offset((Width() - picture_.Width()) / 2, (Height() - picture_.Height()) / 2);
  }
  picture_.Graphic()->Draw(Canvas(), target);
}

}  // namespace fw
