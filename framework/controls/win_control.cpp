#include "framework/controls/win_control.h"
#include "framework/graphics/gdi_handles.h"

#include <algorithm>

#include "framework/rtl/exceptions.h"

namespace fw {

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) { brush_.SetColor(Color()); }

TWinControl::~TWinControl() {
  // Children go first, each with its own window, while this object is still whole.
  while (!controls_.empty()) controls_.back()->Free();
  // Leave the parent while this is still a TWinControl, so it drops it from its windowed lists too.
  SetParent(nullptr);
  DestroyHandle();
}

void TWinControl::BeforeDestruction() {
  TControl::BeforeDestruction();
  DestroyHandle();
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return handle_;
}

void TWinControl::HandleNeeded() {
  if (handle_ != nullptr) return;
  if (Parent() != nullptr) Parent()->HandleNeeded();
  CreateHandle();
}

void TWinControl::CreateHandle() {
  if (handle_ != nullptr) return;
  CreateWnd();
  for (TControl* child : controls_) {
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->CreateHandle();
  }
}

void TWinControl::DestroyHandle() {
  if (handle_ == nullptr) return;
  for (TControl* child : controls_) {
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) {
      windowed->DestroyHandle();
    } else {
      child->ParentWindowDestroying();
    }
  }
  DestroyWnd();
}

void TWinControl::RecreateWnd() {
  if (handle_ == nullptr) return;
  DestroyHandle();
  HandleNeeded();
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params.Caption = TControl::GetText();
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (controlStyle_.Contains(csAcceptsControls)) Params.Style |= WS_CLIPCHILDREN;
  if (Visible()) Params.Style |= WS_VISIBLE;
  if (!Enabled()) Params.Style |= WS_DISABLED;
  if (tabStop_) Params.Style |= WS_TABSTOP;
  Params.X = Left();
  Params.Y = Top();
  Params.Width = Width();
  Params.Height = Height();
  if (Parent() != nullptr) Params.WndParent = Parent()->handle_;
  Params.ClassStyle = CS_HREDRAW | CS_VREDRAW;
  if (controlStyle_.Contains(csDoubleClicks)) Params.ClassStyle |= CS_DBLCLKS;
  Params.ClassCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  Params.WinClassName = "Trelvik.Control";
}

void TWinControl::CreateSubClass(TCreateParams& Params, const char* systemClass) {
  Params.BaseClassName = systemClass;
  Params.WinClassName = std::string("Trelvik.") + systemClass;
}

std::string TWinControl::GetText() {
  if (handle_ == nullptr) return TControl::GetText();
  const int length = GetWindowTextLengthA(handle_);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(handle_, text.data(), length + 1)));
  return text;
}

void TWinControl::StoreText(const std::string& value) {
  TControl::StoreText(value);
  if (handle_ != nullptr) SetWindowTextA(handle_, value.c_str());
}

void TWinControl::DestroyWnd() {
  // The window may hold what the user typed: keep it for the next window.
  TControl::StoreText(GetText());
  const HWND window = handle_;
  DestroyWindow(window);
  if (handle_ == window) DetachHandle();
}

void TWinControl::ApplyFont() {
  if (handle_ != nullptr) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
}

void TWinControl::UpdateShowing() {
  if (Visible() && handle_ == nullptr && Parent() != nullptr && Parent()->HandleAllocated()) {
    CreateHandle();  // created visible
    return;
  }
  if (handle_ != nullptr) ShowWindow(handle_, Visible() ? SW_SHOWNOACTIVATE : SW_HIDE);
}

bool TWinControl::Showing() const {
  return handle_ != nullptr && IsWindowVisible(handle_) != FALSE;
}

void TWinControl::InsertControl(TControl* Control) {
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(Control), 1);
  if (anchorClient_.cx < 0) AnchorChildren();  // the size the children's distances start from
  controls_.push_back(Control);
  Control->parent_ = this;
  auto* windowed = dynamic_cast<TWinControl*>(Control);
  if (windowed != nullptr) tabList_.push_back(windowed);
  Control->Perform(CM_PARENTCOLORCHANGED);
  Control->Perform(CM_PARENTFONTCHANGED);
  Control->Perform(CM_PARENTCTL3DCHANGED);
  Control->Perform(CM_PARENTBIDIMODECHANGED);
  if (windowed != nullptr) {
    if (windowed->handle_ != nullptr && handle_ != nullptr) {
      ::SetParent(windowed->handle_, handle_);
    } else if (windowed->handle_ != nullptr) {
      windowed->DestroyHandle();
    } else if (handle_ != nullptr) {
      windowed->CreateHandle();
    }
  }
  Control->Invalidate();
  Control->RequestAlign();
}

void TWinControl::RemoveControl(TControl* Control) {
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(Control), 0);
  if (TWinControl* top = GetTopParent(this)) top->Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(Control), 0);
  Control->Invalidate();
  controls_.erase(std::remove(controls_.begin(), controls_.end(), Control), controls_.end());
  auto* windowed = dynamic_cast<TWinControl*>(Control);
  if (windowed != nullptr) {
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), windowed), tabList_.end());
    windowed->DestroyHandle();
  } else {
    Control->ParentWindowDestroying();
  }
  if (mouseControl_ == Control) mouseControl_ = nullptr;
  if (captureControl_ == Control) {
    captureControl_ = nullptr;
    if (handle_ != nullptr && GetCapture() == handle_) ReleaseCapture();
  }
  Control->parent_ = nullptr;
  AlignControl(Control);
}

void TWinControl::ChangeZOrder(TControl* Control, bool toFront) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), Control), controls_.end());
  if (toFront) {
    controls_.push_back(Control);
  } else {
    controls_.insert(controls_.begin(), Control);
  }
  auto* windowed = dynamic_cast<TWinControl*>(Control);
  if (windowed != nullptr && windowed->handle_ != nullptr) {
    SetWindowPos(windowed->handle_, toFront ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  Control->Invalidate();
}

bool TWinControl::ContainsControl(TControl* Control) const {
  for (TControl* c = Control; c != nullptr; c = c->Parent()) {
    if (c == this) return true;
  }
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* child = *it;
    if (!AllowWinControls && dynamic_cast<TWinControl*>(child) != nullptr) continue;
    if (child->Visible() && (AllowDisabled || child->Enabled()) && child->BoundsRect().Contains(Pos)) return child;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
  // A handler may remove controls: walk a copy and skip those that left.
  const std::vector<TControl*> children = controls_;
  for (TControl* child : children) {
    if (std::find(controls_.begin(), controls_.end(), child) == controls_.end()) continue;
    child->WndProc(Message);
    if (Message.Result != 0) return;
  }
}

void TWinControl::NotifyChildren(UINT msg) {
  TMessage message{msg, 0, 0, 0};
  const std::vector<TControl*> children = controls_;
  for (TControl* child : children) child->WndProc(message);
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  Constraints()->Apply(AWidth, AHeight);
  if (ALeft == Left() && ATop == Top() && AWidth == Width() && AHeight == Height()) return;
  const bool resized = AWidth != Width() || AHeight != Height();
  SetBoundsFields(ALeft, ATop, AWidth, AHeight);
  if (handle_ != nullptr) {
    SetWindowPos(handle_, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (resized) AnchorChildren();
  Realign();
  RequestAlign();
  BoundsChanged();
  if (resized) Resize();
}

void TWinControl::UpdateBoundsFromWindow() {
  RECT r{};
  GetWindowRect(handle_, &r);
  if ((GetWindowLongPtrA(handle_, GWL_STYLE) & WS_CHILD) != 0) {
    MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
  }
  if (r.left == Left() && r.top == Top() && r.right - r.left == Width() && r.bottom - r.top == Height()) return;
  const bool resized = r.right - r.left != Width() || r.bottom - r.top != Height();
  SetBoundsFields(r.left, r.top, r.right - r.left, r.bottom - r.top);
  if (resized) AnchorChildren();
  Realign();
  BoundsChanged();
  if (resized) Resize();
}

TRect TWinControl::ClientRect() {
  if (handle_ != nullptr) {
    RECT r{};
    GetClientRect(handle_, &r);
    return TRect::FromRECT(r);
  }
  // No window yet: take the frame the window will have off the bounds.
  TCreateParams params;
  CreateParams(params);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
  return Rect(0, 0, std::max<int>(0, Width() - (frame.right - frame.left)),
              std::max<int>(0, Height() - (frame.bottom - frame.top)));
}

void TWinControl::AlignControl(TControl* AControl) {
  if (AControl->Align() != alNone) Realign();
}

void TWinControl::Realign() {
  if (alignDisabled_ > 0 || ComponentState().Contains(csLoading)) {
    controlState_.Include(csAlignmentNeeded);
    return;
  }
  controlState_.Exclude(csAlignmentNeeded);
  TRect area = ClientRect();
  AdjustClientRect(area);
  AlignControls(nullptr, area);
}

void TWinControl::AdjustClientRect(TRect&) {}

void TWinControl::AnchorChildren() {
  const TRect client = ClientRect();
  const TSize now{client.Width(), client.Height()};
  const TSize before = std::exchange(anchorClient_, now);
  if (before.cx < 0) return;
  const int dx = now.cx - before.cx;
  const int dy = now.cy - before.cy;
  if (dx == 0 && dy == 0) return;
  const std::vector<TControl*> children = controls_;
  for (TControl* child : children) {
    if (child->Align() == alNone) child->AnchorTo(dx, dy);
  }
}

void TWinControl::ReadState(TReader* Reader) {
  DisableAlign();
  try {
    TControl::ReadState(Reader);
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

void TWinControl::SetCtl3D(bool value) {
  parentCtl3D_ = false;
  if (ctl3D_ == value) return;
  ctl3D_ = value;
  Perform(CM_CTL3DCHANGED);
}

void TWinControl::SetParentCtl3D(bool value) {
  if (parentCtl3D_ == value) return;
  parentCtl3D_ = value;
  if (value) Perform(CM_PARENTCTL3DCHANGED);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  if (controlState_.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0) --alignDisabled_;
  if (alignDisabled_ == 0 && controlState_.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::AlignControls(TControl*, TRect& Rect) {
  DisableAlign();
  // Edges first in list order, then whatever fills the rest.
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (TControl* child : controls_) {
      if (child->Align() != align || !child->Visible()) continue;
      switch (align) {
        case alTop:
          child->SetBounds(Rect.Left, Rect.Top, Rect.Width(), child->Height());
          Rect.Top += child->Height();
          break;
        case alBottom:
          child->SetBounds(Rect.Left, Rect.Bottom - child->Height(), Rect.Width(), child->Height());
          Rect.Bottom -= child->Height();
          break;
        case alLeft:
          child->SetBounds(Rect.Left, Rect.Top, child->Width(), Rect.Height());
          Rect.Left += child->Width();
          break;
        case alRight:
          child->SetBounds(Rect.Right - child->Width(), Rect.Top, child->Width(), Rect.Height());
          Rect.Right -= child->Width();
          break;
        default:
          child->SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
          break;
      }
    }
  }
  controlState_.Exclude(csAlignmentNeeded);
  --alignDisabled_;
}

void TWinControl::SetTabStop(bool value) {
  if (tabStop_ == value) return;
  tabStop_ = value;
  if (handle_ == nullptr) return;
  LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
  style = value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  SetWindowLongPtrA(handle_, GWL_STYLE, style);
}

int TWinControl::TabOrder() const {
  if (Parent() == nullptr) return -1;
  const auto& list = Parent()->tabList_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  if (Parent() == nullptr) return;
  auto& list = Parent()->tabList_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  const size_t position = std::clamp<size_t>(static_cast<size_t>(std::max(value, 0)), 0, list.size());
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(position), this);
}

void TWinControl::CollectTabOrder(std::vector<TWinControl*>& list) const {
  for (TWinControl* child : tabList_) {
    list.push_back(child);
    child->CollectTabOrder(list);
  }
}

bool TWinControl::Focused() { return handle_ != nullptr && GetFocus() == handle_; }

bool TWinControl::CanFocus() {
  for (TControl* c = this; c != nullptr; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

void TWinControl::SetFocus() {
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  std::vector<TWinControl*> order;
  CollectTabOrder(order);
  if (order.empty()) return nullptr;
  const auto count = static_cast<std::ptrdiff_t>(order.size());
  std::ptrdiff_t start = std::find(order.begin(), order.end(), CurControl) - order.begin();
  if (start == count) start = GoForward ? count - 1 : 0;  // from the edge when the current one is not ours
  for (std::ptrdiff_t step = 1; step <= count; ++step) {
    const std::ptrdiff_t index = ((GoForward ? start + step : start - step) % count + count) % count;
    TWinControl* candidate = order[static_cast<size_t>(index)];
    if (candidate != CurControl && (!CheckTabStop || candidate->TabStop()) && candidate->CanFocus()) return candidate;
  }
  return nullptr;
}

bool TWinControl::IsShortCut(WORD, TShiftState) { return false; }

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop)) next->SetFocus();
}

void TWinControl::Invalidate() {
  if (handle_ != nullptr) InvalidateRect(handle_, nullptr, !controlStyle_.Contains(csOpaque));
}

void TWinControl::Update() {
  if (handle_ != nullptr) UpdateWindow(handle_);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::PaintTo(HDC DC, int X, int Y) {
  const TRect client = ClientRect();
  const OffsetClippedDC placed(DC, X, Y, client.Width(), client.Height());
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC));
  Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC));
  for (TControl* child : controls_) {
    auto* windowed = dynamic_cast<TWinControl*>(child);
    if (windowed != nullptr && windowed->Visible()) windowed->PaintTo(DC, windowed->Left(), windowed->Top());
  }
}

void TWinControl::KeyDown(WORD& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::PreviewKeyDown(WORD&, TShiftState) {}
void TWinControl::PreviewKeyUp(WORD&, TShiftState) {}
void TWinControl::PreviewKeyPress(char&) {}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

TWinControl* GetTopParent(TControl* control) {
  if (control == nullptr) return nullptr;
  while (control->Parent() != nullptr) control = control->Parent();
  return dynamic_cast<TWinControl*>(control);
}

}  // namespace fw
