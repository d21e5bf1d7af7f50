#include "framework/controls/drag_drop.h"

#include <windowsx.h>

#include <cstdlib>

#include "framework/controls/cursors.h"
#include "framework/controls/find_vcl_window.h"
#include "framework/controls/win_control.h"
#include "framework/services/cursorpos.h"

namespace fw {

namespace {

// The one drag that can run at a time (GUI thread only).
struct DragState {
  TControl* source = nullptr;
  TPoint start{};
  int threshold = 5;
  bool started = false;
  TControl* target = nullptr;
  bool accepted = false;
  HWND capture = nullptr;
};

DragState drag;

HWND WindowOf(TControl* control) {
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) return windowed->Handle();
  return control->Parent() != nullptr ? control->Parent()->Handle() : nullptr;
}

TPoint TargetPoint(TControl* target, TPoint screen) { return target->ScreenToClient(screen); }

void Leave() {
  if (drag.target == nullptr) return;
  TControl* old = drag.target;
  drag.target = nullptr;
  drag.accepted = false;
  bool accept = false;
  const TPoint p = TargetPoint(old, drag.start);
  old->DragOver(drag.source, p.X, p.Y, dsDragLeave, accept);
}

void MoveTo(TPoint screen) {
  TControl* under = FindDragTarget(screen, false);
  if (under != drag.target) {
    Leave();
    drag.target = under;
    if (under != nullptr) {
      bool accept = false;
      const TPoint p = TargetPoint(under, screen);
      under->DragOver(drag.source, p.X, p.Y, dsDragEnter, accept);
      drag.accepted = accept;
    }
  } else if (under != nullptr) {
    bool accept = false;
    const TPoint p = TargetPoint(under, screen);
    under->DragOver(drag.source, p.X, p.Y, dsDragMove, accept);
    drag.accepted = accept;
  }
  ::SetCursor(CursorHandle(drag.accepted ? drag.source->DragCursor() : crNoDrop));
}

}  // namespace

TControl* FindDragTarget(TPoint Pos, bool AllowDisabled) {
  TWinControl* window = FindVCLWindow(Pos);
  if (window == nullptr) return nullptr;
  if (TControl* graphic = window->ControlAtPos(window->ScreenToClient(Pos), AllowDisabled)) return graphic;
  if (!AllowDisabled && !window->Enabled()) return nullptr;
  return window;
}

namespace drag_detail {

void Begin(TControl* source, bool immediate, int threshold) {
  if (drag.source != nullptr) End(drag.source, false);
  const POINT cursor = CursorPos();
  drag = DragState{};
  drag.source = source;
  drag.start = TPoint{cursor.x, cursor.y};
  drag.threshold = threshold < 0 ? 5 : threshold;
  drag.capture = WindowOf(source);
  if (drag.capture != nullptr) SetCapture(drag.capture);
  if (immediate) {
    drag.started = true;
    MoveTo(drag.start);
  }
}

void End(TControl* source, bool drop) {
  if (drag.source == nullptr || drag.source != source) return;
  const DragState ended = drag;
  drag = DragState{};
  if (ended.capture != nullptr && GetCapture() == ended.capture) ReleaseCapture();
  TControl* target = ended.started && drop && ended.accepted ? ended.target : nullptr;
  int x = 0;
  int y = 0;
  if (target != nullptr) {
    const TPoint p = TargetPoint(target, ended.start);
    x = p.X;
    y = p.Y;
  }
  if (ended.started && ended.target != nullptr && target == nullptr) {
    bool accept = false;
    ended.target->DragOver(source, 0, 0, dsDragLeave, accept);
  }
  if (target != nullptr) target->DragDrop(source, x, y);
  source->DoEndDrag(target, x, y);
}

bool IsDragging(const TControl* source) { return drag.source != nullptr && drag.source == source; }

bool HandleMessage(TWinControl* receiver, TMessage& Message) {
  if (drag.source == nullptr || !receiver->HandleAllocated()) return false;
  switch (Message.Msg) {
    case WM_MOUSEMOVE: {
      POINT p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
      ::ClientToScreen(receiver->Handle(), &p);
      const TPoint screen{p.x, p.y};
      if (!drag.started) {
        if (std::abs(screen.X - drag.start.X) <= drag.threshold && std::abs(screen.Y - drag.start.Y) <= drag.threshold) {
          return false;  // not a drag yet: the mouse move goes on as usual
        }
        drag.started = true;
      }
      drag.start = screen;  // the last position, where a drop lands
      MoveTo(screen);
      return true;
    }
    case WM_LBUTTONUP: {
      if (!drag.started) {
        End(drag.source, false);
        return false;  // a press and release without a drag is still a click
      }
      POINT p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
      ::ClientToScreen(receiver->Handle(), &p);
      drag.start = TPoint{p.x, p.y};
      End(drag.source, true);
      return true;
    }
    case WM_KEYDOWN:
      if (Message.WParam == VK_ESCAPE) {
        End(drag.source, false);
        return true;
      }
      return false;
    case WM_CAPTURECHANGED:
      if (drag.capture != nullptr && reinterpret_cast<HWND>(Message.LParam) != drag.capture &&
          receiver->Handle() == drag.capture) {
        End(drag.source, false);
      }
      return false;
    default:
      return false;
  }
}

void Forget(TControl* control) {
  if (drag.source == control) {
    if (drag.capture != nullptr && GetCapture() == drag.capture) ReleaseCapture();
    drag = DragState{};
  } else if (drag.target == control) {
    drag.target = nullptr;
    drag.accepted = false;
  }
}

}  // namespace drag_detail

}  // namespace fw
