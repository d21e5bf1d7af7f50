#include "framework/controls/track_bar.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

namespace fw {

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner) {
  SetBoundsFields(0, 0, 150, 45);
  SetTabStop(true);
  controlStyle_.Exclude(csSetCaption);
}

void TTrackBar::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, TRACKBAR_CLASSA);
  Params.Style |= TBS_AUTOTICKS | (orientation_ == trVertical ? TBS_VERT : TBS_HORZ);
}

void TTrackBar::CreateWnd() {
  TWinControl::CreateWnd();
  Apply();
}

void TTrackBar::Apply() {
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, min_);
  SendMessageA(Handle(), TBM_SETRANGEMAX, FALSE, max_);
  SendMessageA(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
  SendMessageA(Handle(), TBM_SETPAGESIZE, 0, pageSize_);
  SendMessageA(Handle(), TBM_SETLINESIZE, 0, lineSize_);
  SendMessageA(Handle(), TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetMin(int value) {
  if (value > max_ || value == min_) return;
  min_ = value;
  const int before = position_;
  position_ = std::max(position_, min_);
  Apply();
  if (position_ != before) Changed();
}

void TTrackBar::SetMax(int value) {
  if (value < min_ || value == max_) return;
  max_ = value;
  const int before = position_;
  position_ = std::min(position_, max_);
  Apply();
  if (position_ != before) Changed();
}

void TTrackBar::SetPosition(int value) {
  value = std::clamp(value, min_, max_);
  if (value == position_) return;
  position_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), TBM_SETPOS, TRUE, position_);
  Changed();
}

void TTrackBar::SetFrequency(int value) {
  frequency_ = std::max(value, 1);
  Apply();
}

void TTrackBar::SetPageSize(int value) {
  pageSize_ = value;
  Apply();
}

void TTrackBar::SetLineSize(int value) {
  lineSize_ = value;
  Apply();
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
  if (orientation_ == value) return;
  orientation_ = value;
  // The other orientation keeps the control's extent: width and height swap.
  if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TTrackBar::Changed() {
  if (OnChange) OnChange(this);
}

void TTrackBar::Dispatch(TMessage& Message) {
  if (Message.Msg == CN_HSCROLL || Message.Msg == CN_VSCROLL) {
    // The user moved the thumb: the window holds the new position.
    const int now = static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0));
    if (now != std::exchange(position_, now)) Changed();
    Message.Result = 0;
    return;
  }
  TWinControl::Dispatch(Message);
}

}  // namespace fw
