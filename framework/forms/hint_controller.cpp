#include "framework/forms/hint_controller.h"

#include "framework/forms/application.h"

namespace fw {

TControl* FindControlAt(HWND window, POINT clientPoint) {
  for (; window != nullptr; window = GetParent(window)) {
    if (TWinControl* control = FindControl(window)) {
      TControl* graphic = control->ControlAtPos(TPoint{clientPoint.x, clientPoint.y}, true);
      return graphic != nullptr ? graphic : control;
    }
    MapWindowPoints(window, GetParent(window), &clientPoint, 1);
  }
  return nullptr;
}

THintController::THintController(TApplication* application)
    : TComponent(nullptr), application_(application), showTimer_(Create<TTimer>(this)), hideTimer_(Create<TTimer>(this)) {
  StopTimers();
  showTimer_->OnTimer = [this](TObject*) { ShowHintNow(); };
  hideTimer_->OnTimer = [this](TObject*) {
    hideTimer_->SetEnabled(false);
    if (window_ != nullptr) window_->ReleaseHandle();
  };
}

THintWindow* THintController::HintWindow() {
  if (window_ == nullptr) window_ = Create<THintWindow>(this);
  return window_;
}

void THintController::StopTimers() {
  showTimer_->SetEnabled(false);
  hideTimer_->SetEnabled(false);
}

void THintController::Observe(const MSG& msg) {
  switch (msg.message) {
    case WM_MOUSEMOVE: {
      if (window_ != nullptr && window_->HandleAllocated() && msg.hwnd == window_->Handle()) return;
      POINT point{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
      MouseOver(FindControlAt(msg.hwnd, point));
      return;
    }
    case WM_MOUSELEAVE:
      if (control_ != nullptr && FindControl(msg.hwnd) != nullptr) MouseOver(nullptr);
      return;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN: case WM_KEYDOWN: case WM_SYSKEYDOWN:
      CancelHint();
      return;
    default:
      return;
  }
}

void THintController::MouseOver(TControl* control) {
  if (control == control_) return;
  const bool wasShowing = window_ != nullptr && window_->IsShowing();
  if (window_ != nullptr) window_->ReleaseHandle();
  StopTimers();
  SetControl(control);
  if (control == nullptr || !application_->ShowHint() || !control->ShowHint() || GetShortHint(control->Hint()).empty()) {
    return;
  }
  showTimer_->SetInterval(static_cast<unsigned>(wasShowing ? application_->HintShortPause() : application_->HintPause()));
  showTimer_->SetEnabled(true);
}

void THintController::ShowHintNow() {
  showTimer_->SetEnabled(false);
  if (control_ == nullptr) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  THintInfo info;
  info.HintControl = control_;
  const TPoint origin = control_->ClientToScreen(TPoint{0, 0});
  info.CursorPos = TPoint{cursor.x - origin.X, cursor.y - origin.Y};
  info.HintMaxWidth = GetSystemMetrics(SM_CXSCREEN);
  info.HintColor = application_->HintColor();
  info.HintStr = GetShortHint(control_->Hint());
  info.HideTimeout = application_->HintHidePause();
  if (control_->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) != 0 || info.HintStr.empty()) return;
  THintWindow* window = HintWindow();
  window->SetColor(info.HintColor);
  const TRect size = window->CalcHintRect(info.HintMaxWidth, info.HintStr);
  // Below the cursor, clear of its arrow.
  const int below = GetSystemMetrics(SM_CYCURSOR) / 2 + 4;
  window->ActivateHint(Bounds(cursor.x, cursor.y + below, size.Width(), size.Height()), info.HintStr);
  if (info.HideTimeout > 0) {
    hideTimer_->SetInterval(static_cast<unsigned>(info.HideTimeout));
    hideTimer_->SetEnabled(true);
  }
}

void THintController::CancelHint() {
  StopTimers();
  if (window_ != nullptr) window_->ReleaseHandle();
  SetControl(nullptr);
}

void THintController::SetControl(TControl* control) {
  if (control_ == control) return;
  if (control_ != nullptr) control_->RemoveFreeNotification(this);
  control_ = control;
  if (control != nullptr) control->FreeNotification(this);
}

void THintController::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == control_) {
    control_ = nullptr;
    StopTimers();
    if (window_ != nullptr) window_->ReleaseHandle();
  }
  if (AComponent == window_) window_ = nullptr;
}

}  // namespace fw
