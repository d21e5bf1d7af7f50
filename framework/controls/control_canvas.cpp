#include "framework/controls/control_canvas.h"

#include "framework/controls/win_control.h"

namespace fw {

void TControlCanvas::SetHandle(HDC dc) {
  const HDC own = ownDC_;
  TCanvas::SetHandle(dc);
  if (own != nullptr && dc != own) {
    ownDC_ = nullptr;
    ReleaseDC(dcWindow_, own);
  }
}

void TControlCanvas::CreateHandle() {
  if (auto* windowed = dynamic_cast<TWinControl*>(control_)) {
    dcWindow_ = windowed->Handle();
    ownDC_ = GetDC(dcWindow_);
  } else if (control_->Parent() != nullptr) {
    dcWindow_ = control_->Parent()->Handle();
    ownDC_ = GetDC(dcWindow_);
    SetViewportOrgEx(ownDC_, control_->Left(), control_->Top(), nullptr);
    IntersectClipRect(ownDC_, 0, 0, control_->Width(), control_->Height());
  }
  if (ownDC_ != nullptr) TCanvas::SetHandle(ownDC_);
}

}  // namespace fw
