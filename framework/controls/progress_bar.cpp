#include "framework/controls/progress_bar.h"

#include <commctrl.h>

#include <algorithm>

namespace fw {

TProgressBar::TProgressBar(TComponent* AOwner) : TWinControl(AOwner) {
  SetBoundsFields(0, 0, 150, 16);
  controlStyle_.Exclude(csSetCaption);
}

void TProgressBar::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, PROGRESS_CLASSA);
  if (smooth_) Params.Style |= PBS_SMOOTH;
}

void TProgressBar::CreateWnd() {
  TWinControl::CreateWnd();
  Apply();
}

void TProgressBar::Apply() {
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SetMin(int value) {
  min_ = value;
  max_ = std::max(max_, min_);
  position_ = std::clamp(position_, min_, max_);
  Apply();
}

void TProgressBar::SetMax(int value) {
  max_ = value;
  min_ = std::min(min_, max_);
  position_ = std::clamp(position_, min_, max_);
  Apply();
}

void TProgressBar::SetPosition(int value) {
  position_ = std::clamp(value, min_, max_);
  Apply();
}

void TProgressBar::SetSmooth(bool value) {
  if (smooth_ == value) return;
  smooth_ = value;
  RecreateWnd();
}

}  // namespace fw
