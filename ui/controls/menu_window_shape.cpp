#include "ui/controls/menu_window_shape.h"

#include "framework/graphics/canvas.h"
#include "ui/controls/menu_item_painting.h"
#include "ui/foundation/draw_utils.h"

namespace ui {

namespace {

// The procedure of a drop-down window the menus have shaped: no erasing, and the window's own shape and
// procedure given back when it hides or goes.
LRESULT CALLBACK DropDownWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto old = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_ERASEBKGND) return 1;
  if ((message == WM_SHOWWINDOW && wParam == FALSE) || message == WM_CLOSE || message == WM_DESTROY) {
    SetWindowRgn(window, nullptr, TRUE);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  }
  return old != nullptr ? CallWindowProcA(old, window, message, wParam, lParam)
                        : DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool IsShapedDropDownWindow(HWND Window) {
  return GetWindowLongPtrA(Window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&DropDownWindowProc);
}

void ShapeAndFrameDropDownWindow(HWND Window, const TDropDownWindowLook& Look) {
  RECT screen{};
  GetWindowRect(Window, &screen);
  const int width = screen.right - screen.left;
  const int height = screen.bottom - screen.top;
  const bool first = Look.level == 1;
  if (!IsShapedDropDownWindow(Window)) {
    const LONG_PTR old = SetWindowLongPtrA(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DropDownWindowProc));
    SetWindowLongPtrA(Window, GWLP_USERDATA, old);
    SetWindowRgn(Window, CreateRectRgn(1, 1, width - 1 - kDropDownRightCut, height - 1), TRUE);
    const int dx = first ? -1 : Look.opensRight ? -14 : 20;
    const int dy = first ? -2 : 0;
    MoveWindow(Window, screen.left + dx, screen.top + dy, width, height, TRUE);
  }
  const HDC dc = GetWindowDC(Window);
  if (dc == nullptr) return;
  fw::TCanvas canvas;
  canvas.SetHandle(dc);
  fw::TRect frame{1, 1, width - 1, height - 1};
  frame.Right -= first ? kDropDownRightCut : Look.opensRight ? 2 * kDropDownRightCut : 0;
  canvas.Brush()->SetColor(Look.borderColor);
  canvas.FrameRect(frame);
  if (first && Look.opener) {
    DrawLineColor(&canvas, Look.backgroundColor, Look.opener->left - screen.left + 1, 1,
                  Look.opener->right - screen.left - 1, 1);
  }
  canvas.Brush()->SetColor(Look.backgroundColor);
  canvas.FrameRect(fw::TRect{frame.Left + 1, frame.Top + 1, frame.Right - 1, frame.Bottom - 1});
  canvas.SetHandle(nullptr);
  ReleaseDC(Window, dc);
}

}  // namespace ui
