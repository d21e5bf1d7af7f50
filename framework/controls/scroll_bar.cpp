#include "framework/controls/scroll_bar.h"

#include <algorithm>

namespace fw {

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner) {
  SetBoundsFields(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
  SetTabStop(true);
  controlStyle_.Exclude(csSetCaption).Exclude(csClickEvents);
}

void TScrollBar::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, "SCROLLBAR");
  Params.Style |= kind_ == sbHorizontal ? SBS_HORZ : SBS_VERT;
}

void TScrollBar::CreateWnd() {
  TWinControl::CreateWnd();
  Apply();
}

void TScrollBar::Apply() {
  if (!HandleAllocated()) return;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
  info.nMin = min_;
  info.nMax = max_;
  info.nPage = static_cast<UINT>(pageSize_);
  info.nPos = position_;
  SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void TScrollBar::SetKind(TScrollBarKind value) {
  if (kind_ == value) return;
  kind_ = value;
  SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax) {
  AMax = std::max(AMax, AMin);
  APosition = std::clamp(APosition, AMin, AMax);
  const bool moved = APosition != position_;
  min_ = AMin;
  max_ = AMax;
  position_ = APosition;
  Apply();
  if (moved) Change();
}

void TScrollBar::SetPageSize(int value) {
  pageSize_ = std::clamp(value, 0, max_ - min_ + 1);
  Apply();
}

void TScrollBar::Change() {
  if (OnChange) OnChange(this);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, int& ScrollPos) {
  if (OnScroll) OnScroll(this, ScrollCode, ScrollPos);
}

void TScrollBar::HandleScroll(UINT code) {
  int position = position_;
  TScrollCode scrollCode = scEndScroll;
  switch (code) {
    case SB_LINEUP: scrollCode = scLineUp; position -= smallChange_; break;
    case SB_LINEDOWN: scrollCode = scLineDown; position += smallChange_; break;
    case SB_PAGEUP: scrollCode = scPageUp; position -= largeChange_; break;
    case SB_PAGEDOWN: scrollCode = scPageDown; position += largeChange_; break;
    case SB_TOP: scrollCode = scTop; position = min_; break;
    case SB_BOTTOM: scrollCode = scBottom; position = max_; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      scrollCode = code == SB_THUMBTRACK ? scTrack : scPosition;
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_TRACKPOS;
      if (GetScrollInfo(Handle(), SB_CTL, &info)) position = info.nTrackPos;
      break;
    }
    default: break;
  }
  position = std::clamp(position, min_, max_);
  Scroll(scrollCode, position);
  SetPosition(position);
}

void TScrollBar::Dispatch(TMessage& Message) {
  if (Message.Msg == CN_HSCROLL || Message.Msg == CN_VSCROLL) {
    HandleScroll(LOWORD(Message.WParam));
    Message.Result = 0;
    return;
  }
  TWinControl::Dispatch(Message);
}

}  // namespace fw
