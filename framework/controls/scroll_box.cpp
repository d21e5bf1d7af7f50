#include "framework/controls/scroll_box.h"

#include <algorithm>

namespace fw {

int TControlScrollBar::Range() const { return control_->AutoScroll() ? control_->AutoRange(kind_) : range_; }

int TControlScrollBar::MaxPosition() const {
  return std::max(0, Range() - control_->ClientExtent(kind_));
}

bool TControlScrollBar::IsScrollBarVisible() const {
  if (!control_->HandleAllocated()) return false;
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(control_->Handle(), GWL_STYLE));
  return (style & (kind_ == sbHorizontal ? WS_HSCROLL : WS_VSCROLL)) != 0;
}

void TControlScrollBar::SetRange(int value) {
  range_ = std::max(value, 0);
  control_->SetAutoScroll(false);
  control_->UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool value) {
  if (visible_ == value) return;
  visible_ = value;
  control_->UpdateScrollBars();
}

void TControlScrollBar::SetPosition(int value) {
  value = std::clamp(value, 0, MaxPosition());
  const int delta = position_ - value;
  if (delta != 0) {
    position_ = value;
    if (kind_ == sbHorizontal) {
      control_->ScrollChildren(delta, 0);
    } else {
      control_->ScrollChildren(0, delta);
    }
  }
  control_->ShowBar(*this);
}

void TControlScrollBar::Scroll(UINT code) {
  const int page = control_->ClientExtent(kind_);
  switch (code) {
    case SB_LINEUP: SetPosition(position_ - increment_); break;
    case SB_LINEDOWN: SetPosition(position_ + increment_); break;
    case SB_PAGEUP: SetPosition(position_ - page); break;
    case SB_PAGEDOWN: SetPosition(position_ + page); break;
    case SB_TOP: SetPosition(0); break;
    case SB_BOTTOM: SetPosition(MaxPosition()); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_TRACKPOS;
      if (control_->HandleAllocated() &&
          GetScrollInfo(control_->Handle(), kind_ == sbHorizontal ? SB_HORZ : SB_VERT, &info)) {
        SetPosition(info.nTrackPos);
      }
      break;
    }
    default: break;
  }
}

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner) : TWinControl(AOwner) {
  controlStyle_.Include(csAcceptsControls);
}

void TScrollingWinControl::SetAutoScroll(bool value) {
  if (autoScroll_ == value) return;
  autoScroll_ = value;
  UpdateScrollBars();
}

int TScrollingWinControl::AutoRange(TScrollBarKind kind) const {
  int extent = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    const TControl* child = Controls(i);
    if (!child->Visible()) continue;
    extent = std::max(extent, kind == sbHorizontal ? child->Left() + child->Width() + horz_.position_
                                                   : child->Top() + child->Height() + vert_.position_);
  }
  return extent;
}

int TScrollingWinControl::ClientExtent(TScrollBarKind kind) {
  const TRect client = ClientRect();
  return kind == sbHorizontal ? client.Width() : client.Height();
}

void TScrollingWinControl::ScrollChildren(int dx, int dy) {
  // Scrolling moves every child without changing the extent.
  scrolling_ = true;
  DisableAlign();
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    child->SetBounds(child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
  }
  EnableAlign();
  scrolling_ = false;
  Invalidate();
}

void TScrollingWinControl::ShowBar(const TControlScrollBar& bar) {
  if (!HandleAllocated()) return;
  const int which = bar.kind_ == sbHorizontal ? SB_HORZ : SB_VERT;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  const int range = bar.visible_ ? bar.Range() : 0;
  info.nMin = 0;
  info.nMax = std::max(range - 1, 0);
  info.nPage = static_cast<UINT>(std::max(ClientExtent(bar.kind_), 0)) + (range == 0 ? 1 : 0);
  info.nPos = bar.position_;
  SetScrollInfo(Handle(), which, &info, TRUE);
}

void TScrollingWinControl::ReleaseMutualBars() {
  // Two bars can hold each other up: each takes the room whose lack keeps the other. When the children
  // fit the area that both bars leave free, both go first and then show as the ranges ask.
  if (!HandleAllocated() || !horz_.IsScrollBarVisible() || !vert_.IsScrollBarVisible()) return;
  const TRect client = ClientRect();
  const int width = client.Width() + GetSystemMetrics(SM_CXVSCROLL);
  const int height = client.Height() + GetSystemMetrics(SM_CYHSCROLL);
  if (horz_.Range() <= width && vert_.Range() <= height) ShowScrollBar(Handle(), SB_BOTH, FALSE);
}

void TScrollingWinControl::UpdateScrollBars() {
  if (updating_) return;  // showing a bar resizes the client area, which comes back here
  updating_ = true;
  ReleaseMutualBars();
  for (TControlScrollBar* bar : {&horz_, &vert_}) {
    if (bar->position_ > bar->MaxPosition() || !bar->visible_) {
      bar->SetPosition(bar->visible_ ? bar->MaxPosition() : 0);
    } else {
      ShowBar(*bar);
    }
  }
  updating_ = false;
}

void TScrollingWinControl::ScrollInView(TControl* AControl) {
  if (AControl == nullptr || AControl->Parent() != this) return;
  if (AControl->Top() < 0) {
    vert_.SetPosition(vert_.position_ + AControl->Top());
  } else if (AControl->Top() + AControl->Height() > ClientHeight()) {
    vert_.SetPosition(vert_.position_ + AControl->Top() + AControl->Height() - ClientHeight());
  }
  if (AControl->Left() < 0) {
    horz_.SetPosition(horz_.position_ + AControl->Left());
  } else if (AControl->Left() + AControl->Width() > ClientWidth()) {
    horz_.SetPosition(horz_.position_ + AControl->Left() + AControl->Width() - ClientWidth());
  }
}

void TScrollingWinControl::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateScrollBars();
}

void TScrollingWinControl::BoundsChanged() {
  TWinControl::BoundsChanged();
  UpdateScrollBars();
}

void TScrollingWinControl::AlignControls(TControl* AControl, TRect& Rect) {
  TWinControl::AlignControls(AControl, Rect);
  UpdateScrollBars();
}

void TScrollingWinControl::AlignControl(TControl* AControl) {
  TWinControl::AlignControl(AControl);
  if (!scrolling_) UpdateScrollBars();
}

void TScrollingWinControl::Dispatch(TMessage& Message) {
  // The window's own scroll bars (not a scroll-bar child, which would name itself in LParam).
  if ((Message.Msg == WM_VSCROLL || Message.Msg == WM_HSCROLL) && Message.LParam == 0) {
    (Message.Msg == WM_VSCROLL ? vert_ : horz_).Scroll(LOWORD(Message.WParam));
    Message.Result = 0;
    return;
  }
  TWinControl::Dispatch(Message);
}

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner) {
  SetBoundsFields(0, 0, 185, 41);
  SetTabStop(false);
}

void TScrollBox::SetBorderStyle(TFormBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TScrollBox::CreateParams(TCreateParams& Params) {
  TScrollingWinControl::CreateParams(Params);
  if (borderStyle_ != bsNone) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

}  // namespace fw
