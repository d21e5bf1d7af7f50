#include "ui/controls/menu_background.h"

namespace ui {

TBackground::TBackground()
    : TGradientBar(MenuRGB(253, 250, 255), fw::clNone, gdVertical), image_(std::make_unique<fw::TPicture>()) {}

TBackground::~TBackground() = default;

void TBackground::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TBackground*>(Source);
  if (source == nullptr) {
    TGradientBar::Assign(Source);
    return;
  }
  SetImage(source->image_.get());
  offsetX_ = source->offsetX_;
  offsetY_ = source->offsetY_;
  position_ = source->position_;
  SetColor(source->Color());
  SetColorTo(source->ColorTo());
}

fw::TPicture* TBackground::Image() {
  if (!image_) image_ = std::make_unique<fw::TPicture>();
  if (auto* bitmap = dynamic_cast<fw::TBitmap*>(image_->Graphic())) {
    bitmap->SetTransparentMode(fw::tmAuto);
    bitmap->SetTransparent(true);
  }
  return image_.get();
}

void TBackground::SetImage(fw::TPicture* Value) {
  if (Value == nullptr) {
    if (image_) image_->Assign(nullptr);
    image_.reset();
  } else if (Value != image_.get()) {
    if (!image_) image_ = std::make_unique<fw::TPicture>();
    image_->Assign(Value);
  }
  Refresh();
}

fw::TBitmap* TBackground::WorkBitmap() {
  if (!work_) work_ = std::make_unique<fw::TBitmap>();
  return work_.get();
}

}  // namespace ui
