#include "ui/dropdown/dropdown_bar_appearance.h"

namespace ui {

TBarAppearance::TBarAppearance(fw::TComponent* Owner) : owner_(Owner) {}

void TBarAppearance::SetVisible(bool Value) {
  if (visible_ == Value) return;
  visible_ = Value;
  if (OnChange) OnChange(this);
}

void TBarAppearance::CopyBar(TBarAppearance& source) {
  color_ = source.color_;
  colorTo_ = source.colorTo_;
  caption_ = source.caption_;
  font_.Assign(&source.font_);
  gradientDirection_ = source.gradientDirection_;
  height_ = source.height_;
  borderColor_ = source.borderColor_;
  borderWidth_ = source.borderWidth_;
  imageIndex_ = source.imageIndex_;
  SetVisible(source.visible_);
  buttonAlignment_ = source.buttonAlignment_;
}

void TBarAppearance::WatchButtons(TBarButtons& Buttons) {
  Buttons.OnChange = [this](fw::TObject*) {
    if (OnButtonsChange) OnButtonsChange(this);
  };
}

THeaderAppearance::THeaderAppearance(fw::TComponent* Owner) : TBarAppearance(Owner), buttons_(Owner) {
  font_.SetName("Tahoma");
  WatchButtons(buttons_);
}

void THeaderAppearance::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<THeaderAppearance*>(Source);
  if (source == nullptr) return;
  CopyBar(*source);
  buttons_.Assign(&source->buttons_);
}

TFooterAppearance::TFooterAppearance(fw::TComponent* Owner) : TBarAppearance(Owner), buttons_(Owner) {
  WatchButtons(buttons_);
}

void TFooterAppearance::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TFooterAppearance*>(Source);
  if (source == nullptr) return;
  sizeGrip_ = source->sizeGrip_;
  CopyBar(*source);
  buttons_.Assign(&source->buttons_);
}

}  // namespace ui
