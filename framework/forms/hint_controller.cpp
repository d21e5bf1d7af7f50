#include "framework/forms/hint_controller.h"

#include "framework/forms/application.h"
#include "framework/services/cursorpos.h"
#include "framework/services/screenmetrics.h"

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

THintWindow* THintController::HintWindow() { return window_ != nullptr ? window_ : HintWindowOf(nullptr); }

THintWindow* THintController::HintWindowOf(THintWindowClass windowClass) {
  if (windowClass == nullptr) windowClass = &CreateHintWindow<THintWindow>;
  if (window_ != nullptr && windowClass_ == windowClass) return window_;
  if (window_ != nullptr) {
    THintWindow* old = window_;
    window_ = nullptr;
    old->Free();
  }
  window_ = windowClass(this);
  windowClass_ = windowClass;
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
      TControl* control = FindControlAt(msg.hwnd, point);
      ClientToScreen(msg.hwnd, &point);
      MouseMovedOn(control, point);
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

void THintController::MouseMovedOn(TControl* control, POINT screenPoint) {
  if (control != control_ || !cursorRectSet_ || cursorRect_.Contains(TPoint{screenPoint.x, screenPoint.y})) {
    MouseOver(control);
    return;
  }
  // Out of the shown hint's rectangle on the same control: the control is asked for its hint again.
  cursorRectSet_ = false;
  const bool wasShowing = window_ != nullptr && window_->IsShowing();
  if (window_ != nullptr) window_->ReleaseHandle();
  StopTimers();
  StartShowTimer(wasShowing);
}

void THintController::MouseOver(TControl* control) {
  if (control == control_) return;
  const bool wasShowing = window_ != nullptr && window_->IsShowing();
  if (window_ != nullptr) window_->ReleaseHandle();
  StopTimers();
  cursorRectSet_ = false;
  SetControl(control);
  StartShowTimer(wasShowing);
}

void THintController::StartShowTimer(bool wasShowing) {
  if (control_ == nullptr || !application_->ShowHint() || !control_->ShowHint() ||
      GetShortHint(control_->Hint()).empty()) {
    return;
  }
  showTimer_->SetInterval(static_cast<unsigned>(wasShowing ? application_->HintShortPause() : application_->HintPause()));
  showTimer_->SetEnabled(true);
}

void THintController::ShowHintNow() {
  showTimer_->SetEnabled(false);
  if (control_ == nullptr) return;
  const POINT cursor = CursorPos();
  THintInfo info;
  info.HintControl = control_;
  const TPoint origin = control_->ClientToScreen(TPoint{0, 0});
  info.CursorPos = TPoint{cursor.x - origin.X, cursor.y - origin.Y};
  // Below the cursor, clear of its arrow.
  info.HintPos = TPoint{cursor.x, cursor.y + GetSystemMetrics(SM_CYCURSOR) / 2 + 4};
  info.HintMaxWidth = ScreenSize().cx;
  info.HintColor = application_->HintColor();
  info.CursorRect = control_->ClientRect();
  info.HintStr = GetShortHint(control_->Hint());
  info.HideTimeout = application_->HintHidePause();
  if (control_->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) != 0 || info.HintStr.empty()) return;
  cursorRect_ = info.CursorRect.Offset(origin.X, origin.Y);
  cursorRectSet_ = true;
  THintWindow* window = HintWindowOf(info.HintWindowClass);
  window->SetColor(info.HintColor);
  const TRect size = window->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
  window->ActivateHint(Bounds(info.HintPos.X, info.HintPos.Y, size.Width(), size.Height()), info.HintStr);
  if (info.HideTimeout > 0) {
    hideTimer_->SetInterval(static_cast<unsigned>(info.HideTimeout));
    hideTimer_->SetEnabled(true);
  }
}

void THintController::CancelHint() {
  StopTimers();
  cursorRectSet_ = false;
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
    cursorRectSet_ = false;
    StopTimers();
    if (window_ != nullptr) window_->ReleaseHandle();
  }
  if (AComponent == window_) {
    window_ = nullptr;
    windowClass_ = nullptr;
  }
}

}  // namespace fw
