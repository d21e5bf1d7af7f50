#include "framework/controls/control.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/controls/control_action_link.h"
#include "framework/controls/win_control.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/syslocale.h"

namespace fw {

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
  controlStyle_ = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  font_.OnChange = [this](TObject*) { FontChanged(); };
  constraints_.OnChange = [this](TObject*) { SetBounds(left_, top_, width_, height_); };
}

TControl::~TControl() {
  FreeAndNil(actionLink_);
  drag_detail::Forget(this);
  SetParent(nullptr);
}

void TControl::SetParent(TWinControl* value) {
  if (parent_ == value) return;
  if (value == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent_ != nullptr) parent_->RemoveControl(this);
  if (value != nullptr) value->InsertControl(this);
}

void TControl::SetBoundsFields(int ALeft, int ATop, int AWidth, int AHeight) {
  left_ = ALeft;
  top_ = ATop;
  width_ = AWidth;
  height_ = AHeight;
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  constraints_.Apply(AWidth, AHeight);
  if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_) return;
  const bool resized = AWidth != width_ || AHeight != height_;
  InvalidateOnParent(BoundsRect());
  SetBoundsFields(ALeft, ATop, AWidth, AHeight);
  InvalidateOnParent(BoundsRect());
  RequestAlign();
  BoundsChanged();
  if (resized) Resize();
}

void TControl::ReadState(TReader* Reader) {
  if (auto* parent = dynamic_cast<TWinControl*>(Reader->Parent())) SetParent(parent);
  TComponent::ReadState(Reader);
}

void TControl::AnchorTo(int dx, int dy) {
  int l = left_, t = top_, w = width_, h = height_;
  if (anchors_.Contains(akRight)) {
    if (anchors_.Contains(akLeft)) w += dx; else l += dx;
  } else if (!anchors_.Contains(akLeft)) {
    l += dx / 2;
  }
  if (anchors_.Contains(akBottom)) {
    if (anchors_.Contains(akTop)) h += dy; else t += dy;
  } else if (!anchors_.Contains(akTop)) {
    t += dy / 2;
  }
  SetBounds(l, t, std::max(w, 0), std::max(h, 0));
}

bool TControl::MouseCapture() const {
  TWinControl* holder = FindControl(GetCapture());
  if (holder == nullptr) return false;
  return (holder->captureControl_ != nullptr ? holder->captureControl_ : holder) == this;
}

void TControl::SetMouseCapture(bool value) {
  if (MouseCapture() == value) return;
  if (!value) {
    if (TWinControl* holder = FindControl(GetCapture())) holder->captureControl_ = nullptr;
    ReleaseCapture();
    return;
  }
  if (auto* windowed = dynamic_cast<TWinControl*>(this)) {
    SetCapture(windowed->Handle());
  } else if (parent_ != nullptr) {
    parent_->captureControl_ = this;
    SetCapture(parent_->Handle());
  }
}

void TControl::BeginDrag(bool Immediate, int Threshold) { drag_detail::Begin(this, Immediate, Threshold); }
bool TControl::Dragging() const { return drag_detail::IsDragging(this); }
void TControl::EndDrag(bool Drop) { drag_detail::End(this, Drop); }

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  Accept = static_cast<bool>(OnDragOver);
  if (OnDragOver) OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int X, int Y) {
  if (OnDragDrop) OnDragDrop(this, Source, X, Y);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y) {
  if (OnEndDrag) OnEndDrag(this, Target, X, Y);
}

void TControl::SetBiDiMode(TBiDiMode value) {
  parentBiDiMode_ = false;
  if (biDiMode_ == value) return;
  biDiMode_ = value;
  Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool value) {
  if (parentBiDiMode_ == value) return;
  parentBiDiMode_ = value;
  if (value) Perform(CM_PARENTBIDIMODECHANGED);
}

bool TControl::UseRightToLeftReading() const { return SysLocale.MiddleEast && biDiMode_ != bdLeftToRight; }
bool TControl::UseRightToLeftAlignment() const { return SysLocale.MiddleEast && biDiMode_ == bdRightToLeft; }

// A graphic control has no window to turn a right click into WM_CONTEXTMENU: it does so itself, and hands
// it to its parent when it has no menu.
void TControl::ContextMenuFromRightClick(int x, int y) {
  const TPoint screen = ClientToScreen(TPoint{x, y});
  const LPARAM at = MAKELPARAM(static_cast<WORD>(screen.X), static_cast<WORD>(screen.Y));
  if (Perform(WM_CONTEXTMENU, 0, at) == 0 && parent_ != nullptr) {
    parent_->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(parent_->HandleAllocated() ? parent_->Handle() : nullptr), at);
  }
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::Changed() {
  if (parent_ != nullptr) parent_->Perform(CM_CHANGED, 0, reinterpret_cast<LPARAM>(this));
}

TRect TControl::ClientRect() { return Rect(0, 0, width_, height_); }

void TControl::SetClientWidth(int value) { SetWidth(width_ - ClientWidth() + value); }
void TControl::SetClientHeight(int value) { SetHeight(height_ - ClientHeight() + value); }

TPoint TControl::ClientToScreen(TPoint p) {
  // A window knows where its client area is (below a caption, inside a border).
  if (auto* windowed = dynamic_cast<TWinControl*>(this); windowed != nullptr && windowed->HandleAllocated()) {
    POINT point{p.X, p.Y};
    ::ClientToScreen(windowed->handle_, &point);
    return TPoint{point.x, point.y};
  }
  const TPoint onParent{p.X + left_, p.Y + top_};
  return parent_ != nullptr ? parent_->ClientToScreen(onParent) : onParent;
}

TPoint TControl::ScreenToClient(TPoint p) {
  const TPoint origin = ClientToScreen(TPoint{0, 0});
  return TPoint{p.X - origin.X, p.Y - origin.Y};
}

bool TControl::Showing() const { return visible_ && parent_ != nullptr && parent_->Showing(); }

void TControl::SetVisible(bool value) {
  if (visible_ == value) return;
  VisibleChanging();
  visible_ = value;
  Perform(CM_VISIBLECHANGED, value);
  RequestAlign();
}

void TControl::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetName(const std::string& NewName) {
  const bool followName = controlStyle_.Contains(csSetCaption) && GetText() == Name();
  TComponent::SetName(NewName);
  if (followName) SetText(NewName);
}

void TControl::SetText(const std::string& value) {
  if (GetText() == value) return;
  StoreText(value);
  Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor value) {
  if (color_ == value) return;
  color_ = value;
  parentColor_ = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
  if (parentColor_ == value) return;
  parentColor_ = value;
  if (value && parent_ != nullptr) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool value) {
  if (parentFont_ == value) return;
  parentFont_ = value;
  if (value && parent_ != nullptr) Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontChanged() {
  if (!takingParentFont_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
}

bool TControl::ShowHint() const {
  if (parentShowHint_ && parent_ != nullptr) return parent_->ShowHint();
  return showHint_;
}

void TControl::SetShowHint(bool value) {
  parentShowHint_ = false;
  if (showHint_ == value) return;
  showHint_ = value;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool value) {
  if (parentShowHint_ == value) return;
  parentShowHint_ = value;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetAlign(TAlign value) {
  if (align_ == value) return;
  align_ = value;
  RequestAlign();
}

void TControl::SetCursor(TCursor value) {
  if (cursor_ == value) return;
  cursor_ = value;
  Perform(CM_CURSORCHANGED);
}

void TControl::RequestAlign() {
  if (parent_ != nullptr) parent_->AlignControl(this);
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage message{Msg, WParam, LParam, 0};
  if (windowProc_) {
    // A copy: the method may put the previous one back while it runs.
    const TWndMethod method = windowProc_;
    method(message);
  } else {
    WndProc(message);
  }
  return message.Result;
}

void TControl::WndProc(TMessage& Message) { Dispatch(Message); }

void TControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN: HandleMouseButton(Message, mbLeft, true, false); return;
    case WM_LBUTTONDBLCLK: HandleMouseButton(Message, mbLeft, true, true); return;
    case WM_LBUTTONUP: HandleMouseButton(Message, mbLeft, false, false); return;
    case WM_RBUTTONDOWN: HandleMouseButton(Message, mbRight, true, false); return;
    case WM_RBUTTONDBLCLK: HandleMouseButton(Message, mbRight, true, true); return;
    case WM_RBUTTONUP: HandleMouseButton(Message, mbRight, false, false); return;
    case WM_MBUTTONDOWN: HandleMouseButton(Message, mbMiddle, true, false); return;
    case WM_MBUTTONDBLCLK: HandleMouseButton(Message, mbMiddle, true, true); return;
    case WM_MBUTTONUP: HandleMouseButton(Message, mbMiddle, false, false); return;
    case WM_MOUSEMOVE:
      if (!controlStyle_.Contains(csNoStdEvents)) {
        MouseMove(MouseKeysToShiftState(Message.WParam), GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
      }
      break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
      Invalidate();
      break;
    case CM_PARENTCOLORCHANGED:
      if (parentColor_ && parent_ != nullptr && color_ != parent_->Color()) {
        color_ = parent_->Color();
        Perform(CM_COLORCHANGED);
      }
      break;
    case WM_CONTEXTMENU:
      if (ShowPopupMenu(Message)) return;
      break;
    case CM_MOUSEWHEEL: {
      const WheelArguments wheel = ReadWheel(Message);
      if (DoMouseWheel(wheel.shift, wheel.delta, wheel.point)) {
        Message.Result = 1;
      } else {
        Message.Result = parent_ != nullptr ? parent_->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam) : 0;
      }
      return;
    }
    case CM_BIDIMODECHANGED:
      Invalidate();
      break;
    case CM_PARENTBIDIMODECHANGED:
      if (parentBiDiMode_ && parent_ != nullptr && biDiMode_ != parent_->BiDiMode()) {
        biDiMode_ = parent_->BiDiMode();
        Perform(CM_BIDIMODECHANGED);
      }
      break;
    case CM_PARENTFONTCHANGED:
      if (parentFont_ && parent_ != nullptr) {
        takingParentFont_ = true;
        font_.Assign(parent_->Font());
        takingParentFont_ = false;
      }
      break;
    default:
      break;
  }
  DefaultHandler(Message);
}

void TControl::DefaultHandler(TMessage&) {}

TControl::WheelArguments TControl::ReadWheel(const TMessage& Message) {
  return WheelArguments{MouseKeysToShiftState(GET_KEYSTATE_WPARAM(Message.WParam)), GET_WHEEL_DELTA_WPARAM(Message.WParam),
                        TPoint{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)}};
}

bool TControl::MouseWheelHandled(const TMessage& Message) {
  if (parent_ != nullptr && parent_->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam) != 0) return true;
  const WheelArguments wheel = ReadWheel(Message);
  return DoMouseWheel(wheel.shift, wheel.delta, wheel.point);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  if (handled) return true;
  if (WheelDelta < 0) return DoMouseWheelDown(Shift, MousePos);
  if (WheelDelta > 0) return DoMouseWheelUp(Shift, MousePos);
  return false;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
  return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
  return handled;
}

void TControl::HandleMouseButton(TMessage& Message, TMouseButton Button, bool down, bool doubleClick) {
  const int x = GET_X_LPARAM(Message.LParam);
  const int y = GET_Y_LPARAM(Message.LParam);
  TShiftState shift = MouseKeysToShiftState(Message.WParam);
  const bool stdEvents = !controlStyle_.Contains(csNoStdEvents);
  if (down) {
    // The focused control of the form ends a mode of its own (a dropped-down list) at a press elsewhere.
    if (TWinControl* top = GetTopParent(this)) {
      top->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(this));
    }
    // Without csDoubleClicks a double-click is just a second press.
    const bool asDouble = doubleClick && controlStyle_.Contains(csDoubleClicks);
    if (Button == mbLeft && dragMode_ == dmAutomatic) BeginDrag(false);
    if (Button == mbLeft && controlStyle_.Contains(csCaptureMouse)) {
      controlState_.Include(csLButtonDown);
      if (controlStyle_.Contains(csClickEvents) && !asDouble) controlState_.Include(csClicked);
    }
    if (asDouble) {
      shift.Include(ssDouble);
      if (Button == mbLeft) DblClick();
    }
    if (stdEvents) MouseDown(Button, shift, x, y);
  } else {
    if (Button == mbLeft) {
      const bool clicked = controlState_.Contains(csClicked) && ClientRect().Contains(TPoint{x, y});
      controlState_.Exclude(csLButtonDown).Exclude(csClicked);
      if (clicked) Click();
    }
    if (stdEvents) MouseUp(Button, shift, x, y);
    if (Button == mbRight && dynamic_cast<TWinControl*>(this) == nullptr) ContextMenuFromRightClick(x, y);
  }
  DefaultHandler(Message);
}

void TControl::Click() {
  if (OnClick) {
    OnClick(this);
  } else if (actionLink_ != nullptr) {
    actionLink_->Execute(this);
  }
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::InvalidateOnParent(const TRect& r) {
  if (parent_ == nullptr || !parent_->HandleAllocated() || !visible_) return;
  const RECT native = r.ToRECT();
  InvalidateRect(parent_->handle_, &native, !controlStyle_.Contains(csOpaque));
}

void TControl::Invalidate() { InvalidateOnParent(BoundsRect()); }

void TControl::Update() {
  if (parent_ != nullptr) parent_->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::BringToFront() {
  if (parent_ != nullptr) parent_->ChangeZOrder(this, true);
}

void TControl::SendToBack() {
  if (parent_ != nullptr) parent_->ChangeZOrder(this, false);
}

}  // namespace fw
