// How a windowed control handles its messages: painting, reflection of child notifications, mouse
// routing to graphic children, mouse tracking, keyboard and dialog keys, focus and property changes.
#include <windowsx.h>

#include <utility>

#include "framework/controls/cursors.h"
#include "framework/controls/win_control.h"
#include "framework/forms/screen.h"
#include "framework/graphics/gdi_handles.h"
#include "framework/services/cursorpos.h"

namespace fw {

namespace {

bool IsMouseMessage(UINT msg) {
  switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

bool IsButtonDown(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK ||
         msg == WM_MBUTTONDOWN || msg == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP; }

constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

// The child window a parent notification is about; nullptr when it names none.
HWND NotifyingChild(HWND parent, const TMessage& m) {
  switch (m.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
      return reinterpret_cast<HWND>(m.LParam);
    case WM_NOTIFY:
      return reinterpret_cast<const NMHDR*>(m.LParam)->hwndFrom;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
      return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    case WM_MEASUREITEM: {
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(m.LParam);
      return item->CtlType == ODT_MENU ? nullptr : GetDlgItem(parent, static_cast<int>(item->CtlID));
    }
    case WM_DELETEITEM:
      return reinterpret_cast<const DELETEITEMSTRUCT*>(m.LParam)->hwndItem;
    case WM_COMPAREITEM:
      return reinterpret_cast<const COMPAREITEMSTRUCT*>(m.LParam)->hwndItem;
    default:
      return nullptr;
  }
}

// The window a child's default procedure is handing a wheel message to: its parents were asked already
// (CM_MOUSEWHEEL), so there the message only travels on.
thread_local HWND wheelPassedTo = nullptr;

}  // namespace

void TWinControl::WndProc(TMessage& Message) {
  if ((IsMouseMessage(Message.Msg) || Message.Msg == WM_KEYDOWN || Message.Msg == WM_CAPTURECHANGED) &&
      drag_detail::HandleMessage(this, Message)) {
    return;
  }
  if (IsMouseMessage(Message.Msg)) {
    if (Message.Msg == WM_MOUSEMOVE) TrackMouse(Message);
    if (RouteMouseToGraphicChild(Message)) return;
  }
  switch (Message.Msg) {
    case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_KEYUP: case WM_SYSKEYUP: case WM_CHAR:
      if (HandleKeyMessage(Message)) return;
      break;
    default:
      break;
  }
  TControl::WndProc(Message);
}

void TWinControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT: HandlePaint(Message); return;
    case WM_ERASEBKGND: EraseBackground(Message); return;
    case WM_COMMAND: case WM_NOTIFY: case WM_DRAWITEM: case WM_MEASUREITEM: case WM_DELETEITEM:
    case WM_COMPAREITEM: case WM_HSCROLL: case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
      if (ReflectToChild(Message, NotifyingChild(handle_, Message))) return;
      break;
    case CN_CTLCOLORMSGBOX: case CN_CTLCOLOREDIT: case CN_CTLCOLORLISTBOX: case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG: case CN_CTLCOLORSCROLLBAR: case CN_CTLCOLORSTATIC:
      HandleColorMessage(Message);
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // Own windows hold the mouse while the button is down; standard controls do that themselves.
      if (controlStyle_.Contains(csCaptureMouse) && !IsStandardControl() && handle_ != nullptr) SetCapture(handle_);
      break;
    case WM_LBUTTONUP:
      if (!IsStandardControl() && handle_ != nullptr && GetCapture() == handle_) ReleaseCapture();
      break;
    case WM_MOUSELEAVE:
      mouseTracking_ = false;
      if (TControl* child = std::exchange(mouseControl_, nullptr)) {
        child->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(child));
      }
      Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
      return;
    case WM_SETCURSOR: HandleSetCursor(Message); return;
    case WM_MOUSEWHEEL: HandleMouseWheel(Message); return;
    case WM_SETFOCUS:
      if (TWinControl* top = GetTopParent(this)) top->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(this));
      Perform(CM_ENTER);
      break;
    case WM_KILLFOCUS: Perform(CM_EXIT); break;
    case CM_ENTER: DoEnter(); return;
    case CM_BIDIMODECHANGED: NotifyChildren(CM_PARENTBIDIMODECHANGED); break;
    case CM_EXIT: DoExit(); return;
    case CM_CTL3DCHANGED: NotifyChildren(CM_PARENTCTL3DCHANGED); Invalidate(); return;
    case CM_PARENTCTL3DCHANGED:
      if (parentCtl3D_ && Parent() != nullptr && ctl3D_ != Parent()->Ctl3D()) {
        ctl3D_ = Parent()->Ctl3D();
        Perform(CM_CTL3DCHANGED);
      }
      return;
    case WM_WINDOWPOSCHANGED:
      DefaultHandler(Message);
      if (handle_ != nullptr) UpdateBoundsFromWindow();
      return;
    case WM_NCDESTROY:
      DefaultHandler(Message);
      DetachHandle();
      return;
    case CM_ENABLEDCHANGED:
      if (handle_ != nullptr) EnableWindow(handle_, Enabled());
      break;
    case CM_VISIBLECHANGED: UpdateShowing(); return;
    case CM_COLORCHANGED:
      brush_.SetColor(Color());
      NotifyChildren(CM_PARENTCOLORCHANGED);
      break;
    case CM_FONTCHANGED:
      ApplyFont();
      NotifyChildren(CM_PARENTFONTCHANGED);
      break;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
      Broadcast(Message);
      return;
    case CN_KEYDOWN: case CN_SYSKEYDOWN: HandleDialogKey(Message); return;
    case CN_CHAR: case CN_SYSCHAR: HandleDialogChar(Message); return;
    default:
      break;
  }
  TControl::Dispatch(Message);
}

void TWinControl::DefaultHandler(TMessage& Message) {
  // The framework's own messages mean nothing to Win32.
  if (Message.Msg >= CM_BASE && Message.Msg < CN_BASE + 0x400) return;
  if (handle_ == nullptr) return;
  Message.Result = CallWindowProcA(defWndProc_, handle_, Message.Msg, Message.WParam, Message.LParam);
}

bool TWinControl::ReflectToChild(TMessage& Message, HWND child) {
  TWinControl* control = FindControl(child);
  if (control == nullptr || control == this) return false;
  Message.Result = control->Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam);
  return true;
}

void TWinControl::HandleColorMessage(TMessage& Message) {
  const auto dc = reinterpret_cast<HDC>(Message.WParam);
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  SetBkColor(dc, ColorToRGB(brush_.Color()));
  Message.Result = reinterpret_cast<LRESULT>(brush_.Handle());
}

void TWinControl::TrackMouse(TMessage& Message) {
  if (!mouseTracking_ && handle_ != nullptr) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = handle_;
    mouseTracking_ = TrackMouseEvent(&track) != FALSE;
    Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(this));
  }
  TControl* under = captureControl_ != nullptr
                        ? captureControl_
                        : ControlAtPos(TPoint{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)}, false);
  if (under == mouseControl_) return;
  if (TControl* left = std::exchange(mouseControl_, under)) left->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(left));
  if (under != nullptr) under->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(under));
}

bool TWinControl::RouteMouseToGraphicChild(TMessage& Message) {
  const TPoint pos{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
  TControl* target = captureControl_ != nullptr ? captureControl_ : ControlAtPos(pos, false);
  if (target == nullptr) return false;
  if (IsButtonDown(Message.Msg) && target->ControlStyle().Contains(csCaptureMouse) && handle_ != nullptr) {
    captureControl_ = target;
    SetCapture(handle_);
  }
  const bool releases = IsButtonUp(Message.Msg) && (Message.WParam & kAnyButton) == 0;
  TMessage forwarded = Message;
  forwarded.LParam = MAKELPARAM(pos.X - target->Left(), pos.Y - target->Top());
  // The target may close its form: nothing of it is touched after its handler returns.
  target->WndProc(forwarded);
  Message.Result = forwarded.Result;
  if (releases && captureControl_ != nullptr) {
    captureControl_ = nullptr;
    if (handle_ != nullptr && GetCapture() == handle_) ReleaseCapture();
  }
  return true;
}

void TWinControl::HandleMouseWheel(TMessage& Message) {
  const bool passedOn = handle_ != nullptr && handle_ == wheelPassedTo;
  if (!passedOn && MouseWheelHandled(Message)) {
    Message.Result = 1;
    return;
  }
  // Unhandled: the default procedure passes it on to the parent window (a child's), where the form and
  // whatever subclasses it see it as before.
  const HWND previous = wheelPassedTo;
  const bool child = handle_ != nullptr && (GetWindowLongPtrA(handle_, GWL_STYLE) & WS_CHILD) != 0;
  wheelPassedTo = child ? GetAncestor(handle_, GA_PARENT) : nullptr;
  try {
    DefaultHandler(Message);
  } catch (...) {
    wheelPassedTo = previous;
    throw;
  }
  wheelPassedTo = previous;
  if (!passedOn) Message.Result = 0;
}

void TWinControl::HandleSetCursor(TMessage& Message) {
  // The screen's cursor, while set, is every window's.
  if (Screen->Cursor() != crDefault) {
    ::SetCursor(CursorHandle(Screen->Cursor()));
    Message.Result = TRUE;
    return;
  }
  if (LOWORD(Message.LParam) == HTCLIENT && reinterpret_cast<HWND>(Message.WParam) == handle_) {
    POINT p = CursorPos();
    ::ScreenToClient(handle_, &p);
    TControl* child = ControlAtPos(TPoint{p.x, p.y}, false);
    const TCursor cursor = child != nullptr && child->Cursor() != crDefault ? child->Cursor() : Cursor();
    if (cursor != crDefault) {
      ::SetCursor(CursorHandle(cursor));
      Message.Result = TRUE;
      return;
    }
  }
  DefaultHandler(Message);
}

// Key messages: the top control (a form with KeyPreview) sees them first, then this control's events.
// Returns true when a handler took the key (set it to 0) and the message goes no further.
bool TWinControl::HandleKeyMessage(TMessage& Message) {
  if (controlStyle_.Contains(csNoStdEvents)) return false;
  TWinControl* top = GetTopParent(this);
  const bool preview = top != nullptr && top != this;
  if (Message.Msg == WM_CHAR) {
    char key = static_cast<char>(Message.WParam);
    if (preview) top->PreviewKeyPress(key);
    if (key != 0) KeyPress(key);
    if (key == 0) return true;
    // The character is the low word; the high word stays as it came (a Unicode window's trap keeps the
    // wide character there while the 8-bit handlers see it).
    Message.WParam = (Message.WParam & ~static_cast<WPARAM>(0xFFFF)) | static_cast<unsigned char>(key);
    return false;
  }
  WORD key = static_cast<WORD>(Message.WParam);
  const TShiftState shift = KeyboardShiftState();
  const bool down = Message.Msg == WM_KEYDOWN || Message.Msg == WM_SYSKEYDOWN;
  if (preview) down ? top->PreviewKeyDown(key, shift) : top->PreviewKeyUp(key, shift);
  if (key != 0) down ? KeyDown(key, shift) : KeyUp(key, shift);
  if (key == 0) return true;
  Message.WParam = key;
  return false;
}

// Before a key reaches the focused control, Tab, arrows, Enter and Esc that the control does not want
// for itself are offered to its form as CM_DIALOGKEY (default and cancel buttons, focus moves).
void TWinControl::HandleDialogKey(TMessage& Message) {
  Message.Result = 1;
  const auto key = static_cast<WORD>(Message.WParam);
  if (TWinControl* top = GetTopParent(this); top != nullptr && top->IsShortCut(key, KeyboardShiftState())) return;
  LRESULT wanted = 0;
  switch (key) {
    case VK_TAB: wanted = DLGC_WANTTAB; break;
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: wanted = DLGC_WANTARROWS; break;
    case VK_RETURN: case VK_EXECUTE: case VK_ESCAPE: case VK_CANCEL: wanted = DLGC_WANTALLKEYS; break;
    default: break;
  }
  if (wanted != 0 && Perform(CM_WANTSPECIALKEY, key) == 0 && (Perform(WM_GETDLGCODE) & wanted) == 0) {
    TWinControl* top = GetTopParent(this);
    if (top != nullptr && top->Perform(CM_DIALOGKEY, key, Message.LParam) != 0) return;
  }
  Message.Result = 0;
}

// Characters the control does not take (and every Alt+character) are offered to the form as
// CM_DIALOGCHAR, for accelerators.
void TWinControl::HandleDialogChar(TMessage& Message) {
  Message.Result = 1;
  const bool charWanted = Message.Msg == CN_CHAR && (Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) != 0;
  if (!charWanted) {
    TWinControl* top = GetTopParent(this);
    if (top != nullptr && top->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0) return;
  }
  Message.Result = 0;
}

void TWinControl::EraseBackground(TMessage& Message) {
  if (controlStyle_.Contains(csOpaque)) {
    Message.Result = 1;
    return;
  }
  if (IsStandardControl()) {
    DefaultHandler(Message);
    return;
  }
  const RECT client = ClientRect().ToRECT();
  FillRect(reinterpret_cast<HDC>(Message.WParam), &client, brush_.Handle());
  Message.Result = 1;
}

void TWinControl::HandlePaint(TMessage& Message) {
  bool graphicChildren = false;
  for (TControl* child : controls_) graphicChildren = graphicChildren || dynamic_cast<TWinControl*>(child) == nullptr;
  // A standard control with nothing of ours on it paints the way it always does.
  if (Message.WParam == 0 && IsStandardControl() && !graphicChildren) {
    DefaultHandler(Message);
    return;
  }
  if (Message.WParam != 0) {
    PaintHandler(reinterpret_cast<HDC>(Message.WParam));
    return;
  }
  if (handle_ == nullptr) return;
  if (doubleBuffered_ && !IsStandardControl()) {
    PaintDoubleBuffered();
    return;
  }
  const PaintSession paint(handle_);
  PaintHandler(paint.DC());
}

// Erases and paints the client area into a memory bitmap, then shows it in one copy.
void TWinControl::PaintDoubleBuffered() {
  const PaintSession paint(handle_);
  const TRect client = ClientRect();
  if (client.IsEmpty()) return;
  MemoryDC memory(paint.DC());
  GdiObject<HBITMAP> buffer(CreateCompatibleBitmap(paint.DC(), client.Width(), client.Height()));
  SelectedObject selected(memory.Get(), buffer.Get());
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.Get()));
  PaintHandler(memory.Get());
  BitBlt(paint.DC(), 0, 0, client.Width(), client.Height(), memory.Get(), 0, 0, SRCCOPY);
}

void TWinControl::PaintHandler(HDC DC) {
  {
    const SavedDCState state(DC);
    PaintWindow(DC);
  }
  PaintControls(DC);
}

void TWinControl::PaintWindow(HDC DC) {
  if (!IsStandardControl()) return;
  TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(DC), 0, 0};
  DefaultHandler(paint);
}

void TWinControl::PaintControls(HDC DC, TControl* First) {
  auto from = First != nullptr ? std::find(controls_.begin(), controls_.end(), First) : controls_.begin();
  if (from == controls_.end()) from = controls_.begin();
  const std::vector<TControl*> children(from, controls_.end());
  for (TControl* child : children) {
    if (dynamic_cast<TWinControl*>(child) != nullptr || !child->Visible()) continue;
    const RECT bounds = child->BoundsRect().ToRECT();
    if (!RectVisible(DC, &bounds)) continue;
    const OffsetClippedDC placed(DC, child->Left(), child->Top(), child->Width(), child->Height());
    child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC));
  }
}

}  // namespace fw
