#include "ui/controls/smooth_label.h"

#include "framework/graphics/canvas.h"

namespace ui {

void TVxSmoothLabelCaption::SetText(const std::string& value) {
  if (text_ == value) return;
  text_ = value;
  label_->Invalidate();
}

TVxSmoothLabel::TVxSmoothLabel(fw::TComponent* AOwner) : fw::TGraphicControl(AOwner), caption_(this) {
  SetBounds(Left(), Top(), 150, 25);
}

void TVxSmoothLabel::Paint() {
  fw::TCanvas* canvas = Canvas();
  canvas->Brush()->SetStyle(fw::bsClear);
  canvas->TextOut(0, 0, caption_.Text());
}

}  // namespace ui
