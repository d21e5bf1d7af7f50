#include "ui/dropdown/vx_button.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "framework/controls/accelerators.h"
#include "framework/controls/find_vcl_window.h"
#include "framework/forms/form.h"
#include "framework/graphics/gdi_handles.h"
#include "framework/services/cursorpos.h"
#include "ui/dropdown/dropdown_drawing.h"
#include "ui/dropdown/dropdown_edit.h"

namespace ui {

namespace {

// Results that close the pop-up (all but none and retry), and those of them that cancel.
bool ClosesPopup(fw::TModalResult Result) {
  return Result == fw::mrOk || Result == fw::mrCancel || Result == fw::mrAbort ||
         (Result >= fw::mrIgnore && Result <= fw::mrYesToAll);
}

bool Cancels(fw::TModalResult Result) {
  return Result == fw::mrCancel || Result == fw::mrAbort || Result == fw::mrIgnore || Result == fw::mrNo ||
         Result == fw::mrNoToAll;
}

}  // namespace

TVxButton::TVxButton(fw::TComponent* AOwner) : fw::TCustomControl(AOwner) {
  SetBounds(0, 0, 23, 22);
  controlStyle_ = fw::TControlStyle{fw::csCaptureMouse, fw::csClickEvents, fw::csDoubleClicks};
  SetParentFont(true);
  Font()->SetName("Tahoma");
  SetShowHint(false);
  SetDoubleBuffered(true);
  unHotTimer_ = fw::Create<fw::TTimer>(this);
  unHotTimer_->SetEnabled(false);
  unHotTimer_->SetInterval(1);
  unHotTimer_->OnTimer = [this](fw::TObject*) { UnHotTimerTick(); };
}

void TVxButton::SetImages(fw::TCustomImageList* Value) {
  if (images_ == Value) return;
  images_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TVxButton::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  fw::TCustomControl::Notification(AComponent, Operation);
  if (Operation == fw::opRemove && AComponent == images_) images_ = nullptr;
}

void TVxButton::AutoSizeToContent() {
  if (appearance_ == nullptr) return;
  const fw::WindowDC screen(nullptr);
  fw::TCanvas canvas;
  canvas.SetHandle(screen.Get());
  canvas.SetFont(appearance_->Font());
  SIZE size{};
  dropdown::GetTextSize(&canvas, Caption(), size);
  canvas.SetHandle(nullptr);
  if (images_ != nullptr && imageIndex_ >= 0) {
    size.cx = std::max<LONG>(size.cx, images_->Width());
    size.cy = std::max<LONG>(size.cy, images_->Height());
  }
  SetBounds(Left(), Top(), size.cx + 8, size.cy + 4);
}

// ---- painting ----

void TVxButton::DrawButton(fw::TCanvas* ACanvas) {
  if (appearance_ == nullptr) return;
  const TVxButtonAppearance& a = *appearance_;
  fw::TColor from = a.Color();
  fw::TColor to = a.ColorTo();
  fw::TColor border = a.BorderColor();
  if (!Enabled()) {
    from = a.ColorDisabled();
    to = a.ColorDisabledTo();
    border = a.BorderColorDisabled();
  } else if (pressedInside_ && mouseInside_) {
    from = to = a.ColorDown();
    border = a.BorderColorDown();
  } else if (mouseInside_ || (HandleAllocated() && GetFocus() == Handle())) {
    from = to = a.ColorHot();
    border = a.BorderColorHot();
  }
  const fw::TRect r = ClientRect();
  dropdown::DrawFilledRect(ACanvas, r, from, a.Gradient(), 1, border, to);
  ACanvas->Brush()->SetStyle(fw::bsClear);
  ACanvas->SetFont(appearance_->Font());
  dropdown::DrawImageText(ACanvas, r, Caption(), imageIndex_, images_);
}

void TVxButton::Paint() {
  if (Enabled() && state_ == TState::Disabled) state_ = TState::Up;
  if (!Enabled()) {
    state_ = TState::Disabled;
    tracking_ = false;
  }
  PaintParentBackground();
  DrawButton(Canvas());
}

// The parent paints itself into this button's DC, moved so that the part under the button lands on it.
void TVxButton::PaintParentBackground() {
  fw::TWinControl* parent = Parent();
  if (parent == nullptr) return;
  const HDC dc = Canvas()->Handle();
  const fw::TRect client = ClientRect();
  const fw::GdiObject<HRGN> clip(CreateRectRgn(client.Left, client.Top, client.Right, client.Bottom));
  SelectClipRgn(dc, clip.Get());
  const int saved = SaveDC(dc);
  POINT origin{};
  GetWindowOrgEx(dc, &origin);
  SetWindowOrgEx(dc, origin.x + Left(), origin.y + Top(), nullptr);
  parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  RestoreDC(dc, saved);
  SelectClipRgn(dc, nullptr);
}

// ---- mouse ----

void TVxButton::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  if (Button == fw::mbLeft && Enabled()) {
    pressedInside_ = true;
    state_ = TState::Down;
    Invalidate();
    tracking_ = true;
  }
  fw::TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TVxButton::MouseMove(fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseMove(Shift, X, Y);
  if (tracking_) {
    // The bottom row counts as inside.
    const bool inside = X >= 0 && X <= ClientWidth() - 1 && Y >= 0 && Y <= ClientHeight();
    const TState state = inside ? TState::Down : TState::Up;
    if (state != state_) {
      state_ = state;
      Invalidate();
    }
  } else if (!mouseInside_) {
    CheckControlUnderCursor();
  }
}

void TVxButton::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseUp(Button, Shift, X, Y);
  pressedInside_ = false;
  Invalidate();
  if (!tracking_) return;
  tracking_ = false;
  state_ = TState::Up;
  mouseInside_ = false;
  if (ClientRect().Contains(fw::TPoint{X, Y})) Invalidate();
  CheckControlUnderCursor();
}

void TVxButton::CheckControlUnderCursor() {
  const POINT cursor = fw::CursorPos();
  if (fw::FindVCLWindow(fw::TPoint{cursor.x, cursor.y}) == this) {
    Perform(fw::CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(this));
  } else {
    Perform(fw::CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
  }
}

void TVxButton::MouseEntered() {
  mouseInside_ = true;
  if (Enabled()) Invalidate();
  unHotTimer_->SetEnabled(true);
}

void TVxButton::MouseLeft() {
  unHotTimer_->SetEnabled(false);
  mouseInside_ = false;
  if (Enabled()) Invalidate();
}

void TVxButton::UnHotTimerTick() {
  const POINT cursor = fw::CursorPos();
  if (ClientRect().Contains(ScreenToClient(fw::TPoint{cursor.x, cursor.y}))) return;
  unHotTimer_->SetEnabled(false);
  mouseInside_ = false;
  if (Enabled()) Invalidate();
}

// ---- keys and clicks ----

void TVxButton::KeyboardClick() {
  state_ = TState::Down;
  Invalidate();
  const bool previous = std::exchange(internalClick_, true);
  try {
    Click();
  } catch (...) {
    internalClick_ = previous;
    throw;
  }
  internalClick_ = previous;
}

void TVxButton::Click() {
  if (fw::TCustomForm* form = fw::GetParentForm(this)) form->SetModalResult(modalResult_);
  if (dropDown_ != nullptr && ClosesPopup(modalResult_)) dropDown_->HideDropDown(Cancels(modalResult_));
  if (!internalClick_) fw::TCustomControl::Click();
}

void TVxButton::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_KEYDOWN:
      if (Message.WParam == VK_RETURN || Message.WParam == VK_SPACE) KeyboardClick();
      break;
    case fw::CM_DIALOGCHAR:
      if (Enabled() && fw::IsAccel(Message.WParam, Caption())) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    case fw::CM_ENABLEDCHANGED:
    case fw::CM_FOCUSCHANGED:
      fw::TCustomControl::Dispatch(Message);
      Invalidate();
      return;
    case fw::CM_TEXTCHANGED:
      DefaultHandler(Message);
      return;
    case fw::CM_MOUSEENTER:
    case fw::CM_MOUSELEAVE:
      fw::TCustomControl::Dispatch(Message);
      if (Message.LParam == 0 || reinterpret_cast<fw::TControl*>(Message.LParam) == this) {
        Message.Msg == fw::CM_MOUSEENTER ? MouseEntered() : MouseLeft();
      }
      return;
    case WM_ERASEBKGND:
      Message.Result = 1;
      break;
    default:
      break;
  }
  fw::TCustomControl::Dispatch(Message);
}

}  // namespace ui
