#include "ui/controls/smooth_progress_bar.h"

#include <algorithm>

#include "framework/graphics/canvas.h"

namespace ui {

TVxSmoothProgressBar::TVxSmoothProgressBar(fw::TComponent* AOwner) : fw::TCustomControl(AOwner) {
  SetBounds(Left(), Top(), 150, 17);
}

void TVxSmoothProgressBar::SetPosition(double value) {
  position_ = std::clamp(value, minimum_, std::max(minimum_, maximum_));
  Invalidate();
  if (OnPositionChanged) OnPositionChanged(this);
}

void TVxSmoothProgressBar::SetMinimum(double value) {
  minimum_ = value;
  if (position_ < minimum_) SetPosition(minimum_);
}

void TVxSmoothProgressBar::SetMaximum(double value) {
  maximum_ = value;
  if (position_ > maximum_) SetPosition(maximum_);
}

void TVxSmoothProgressBar::Paint() {
  fw::TCanvas* canvas = Canvas();
  const fw::TRect client = ClientRect();
  canvas->Brush()->SetColor(fw::clBtnFace);
  canvas->FillRect(client);
  const double span = maximum_ - minimum_;
  if (span <= 0) return;
  fw::TRect done = client;
  done.Right = client.Left + static_cast<int>((position_ - minimum_) / span * client.Width());
  canvas->Brush()->SetColor(fw::clHighlight);
  canvas->FillRect(done);
}

}  // namespace ui
