#include "ui/controls/menu_button_appearance.h"

#include "ui/foundation/style_detection.h"

namespace ui {

TButtonAppearance::TButtonAppearance()
    : hoverColor_(MenuRGB(182, 189, 210)),
      downColor_(MenuRGB(133, 146, 181)),
      downBorderColor_(MenuRGB(10, 36, 106)),
      hoverBorderColor_(MenuRGB(10, 36, 106)) {
  captionFont_.SetName(GetDefaultFontName());
}

void TButtonAppearance::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TButtonAppearance*>(Source);
  if (source == nullptr) return;
  color_ = source->color_;
  colorTo_ = source->colorTo_;
  hoverColor_ = source->hoverColor_;
  hoverColorTo_ = source->hoverColorTo_;
  downColor_ = source->downColor_;
  downColorTo_ = source->downColorTo_;
  gradientDirection_ = source->gradientDirection_;
  borderColor_ = source->borderColor_;
  hoverBorderColor_ = source->hoverBorderColor_;
  downBorderColor_ = source->downBorderColor_;
}

void TButtonAppearance::SetCaptionFont(fw::TFont* Value) {
  captionFont_.Assign(Value);
  Changed();
}

void TButtonAppearance::SetUseSystemFont(bool Value) {
  if (useSystemFont_ == Value) return;
  useSystemFont_ = Value;
  if (Value) captionFont_.SetName(GetDefaultFontName());
}

void TButtonAppearance::Changed() {
  if (OnChange) OnChange(this);
}

}  // namespace ui
