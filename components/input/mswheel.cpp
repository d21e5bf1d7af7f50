#include "components/input/mswheel.h"

#include <windowsx.h>

#include <algorithm>

#include "components/input/wheel_grid.h"
#include "framework/controls/edit.h"
#include "framework/controls/find_vcl_window.h"
#include "framework/controls/list_box.h"
#include "framework/controls/memo.h"
#include "framework/forms/form.h"
#include "framework/messaging/exception_boundary.h"
#include "framework/rtl/format.h"

namespace input {

namespace {

// The component on a subclassed window, and the procedure it passes messages on to. The second stays
// while the first is gone when another subclass was put over ours and ours could not be taken out.
constexpr char kWheelProperty[] = "Trelvik.MouseWheel";
constexpr char kNextProcProperty[] = "Trelvik.MouseWheel.Next";

constexpr std::uint32_t kVersionNumber = 0x01050000;  // 1.5.0.0
constexpr std::int32_t kWheelDelta = 120;

bool KeyHeld(int key) { return (GetKeyState(key) & 0x8000) != 0; }

void Fire(const TOnIntelliEvent& event, std::int32_t zdelta, std::int32_t xpos, std::int32_t ypos,
          std::int32_t lines) {
  if (event) event(zdelta, xpos, ypos, lines);
}

}  // namespace

DOVWheel::DOVWheel(fw::TComponent* AOwner) : TComponent(AOwner) {
  form_ = dynamic_cast<fw::TForm*>(AOwner);
  if (form_ == nullptr) throw EMSWheelError("Control parent must be a form!");
  int wheels = 0;
  for (int i = 0; i < AOwner->ComponentCount(); ++i) {
    if (dynamic_cast<DOVWheel*>(AOwner->Components(i)) != nullptr) ++wheels;
  }
  if (wheels >= 2) throw EMSWheelError("Only one instance of DOVWheel allowed on form");

  window_ = form_->Handle();
  savedProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window_, GWLP_WNDPROC));
  SetPropA(window_, kWheelProperty, this);
  SetPropA(window_, kNextProcProperty, reinterpret_cast<HANDLE>(savedProc_));
  SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc));

  scrollLines_ = ReadScrollLines();
  rollMessage_ = RegisterWindowMessageA("MSWHEEL_ROLLMSG");
}

DOVWheel::~DOVWheel() { Unhook(); }

void DOVWheel::Unhook() {
  if (window_ == nullptr) return;
  if (IsWindow(window_) && GetPropA(window_, kWheelProperty) == this) {
    RemovePropA(window_, kWheelProperty);
    if (GetWindowLongPtrA(window_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&SubclassProc)) {
      SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(savedProc_));
      RemovePropA(window_, kNextProcProperty);
    }
  }
  window_ = nullptr;
}

std::uint32_t DOVWheel::GetVersionNumber() const { return kVersionNumber; }

std::string DOVWheel::Version() const {
  const std::uint32_t v = GetVersionNumber();
  return fw::Format("%d.%d.%d.%d", (v >> 24) & 0xFF, (v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

std::int32_t DOVWheel::ReadScrollLines() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  const bool known = GetVersionExA(&version) != FALSE;
#pragma GCC diagnostic pop
  if (known && (version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ||
                (version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion < 4))) {
    // The legacy wheel driver answers for its own setting.
    HWND driver = FindWindowA("MouseZ", "Magellan MSWHEEL");
    if (driver == nullptr) return 0;
    const UINT query = RegisterWindowMessageA("MSH_SCROLL_LINES_MSG");
    return static_cast<std::int32_t>(SendMessageA(driver, query, 0, 0));
  }
  UINT lines = 0;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  return static_cast<std::int32_t>(lines);
}

LRESULT CALLBACK DOVWheel::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* wheel = static_cast<DOVWheel*>(GetPropA(window, kWheelProperty));
  if (wheel != nullptr) return wheel->HandleMessage(window, msg, wParam, lParam);
  auto next = reinterpret_cast<WNDPROC>(GetPropA(window, kNextProcProperty));
  if (msg == WM_NCDESTROY) RemovePropA(window, kNextProcProperty);
  return next != nullptr ? CallWindowProcA(next, window, msg, wParam, lParam)
                         : DefWindowProcA(window, msg, wParam, lParam);
}

LRESULT DOVWheel::HandleMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_MOUSEWHEEL) {
    try {
      MouseWheel(wParam, lParam);
    } catch (...) {
      fw::HandleException(this);
    }
  }
  const LRESULT result = CallWindowProcA(savedProc_, window, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    // The window is gone: nothing to restore later.
    RemovePropA(window, kWheelProperty);
    RemovePropA(window, kNextProcProperty);
    window_ = nullptr;
  } else if (rollMessage_ != 0 && msg == rollMessage_) {
    try {
      RollMessage(wParam, lParam);
    } catch (...) {
      fw::HandleException(this);
    }
  }
  return result;
}

void DOVWheel::MouseWheel(WPARAM wParam, LPARAM lParam) {
  const std::int32_t zdelta = static_cast<std::int16_t>(HIWORD(wParam));
  const std::int32_t xpos = LOWORD(lParam);
  const std::int32_t ypos = HIWORD(lParam);
  const WORD keys = LOWORD(wParam);
  if (OnWheelEvent) {
    OnWheelEvent(zdelta, xpos, ypos, scrollLines_);
    if (auto_) ScrollControlUnderPointer(xpos, ypos, zdelta, true);
  }
  if ((keys & MK_CONTROL) != 0) Fire(OnIntelliZoom, zdelta, xpos, ypos, scrollLines_);
  if ((keys & MK_SHIFT) != 0) Fire(OnIntelliDataZoom, zdelta, xpos, ypos, scrollLines_);
  if ((keys & (MK_CONTROL | MK_SHIFT)) == 0) Fire(OnIntelliScroll, zdelta, xpos, ypos, scrollLines_);
}

void DOVWheel::RollMessage(WPARAM wParam, LPARAM lParam) {
  const std::int32_t zdelta = static_cast<std::int32_t>(wParam);
  const std::int32_t xpos = LOWORD(lParam);
  const std::int32_t ypos = HIWORD(lParam);
  if (form_ != nullptr && form_->ActiveControl() != nullptr) {
    SendMessageA(form_->ActiveControl()->Handle(), rollMessage_, wParam, lParam);
  }
  if (KeyHeld(VK_CONTROL)) {
    Fire(OnIntelliZoom, zdelta, xpos, ypos, scrollLines_);
  } else if (KeyHeld(VK_SHIFT)) {
    Fire(OnIntelliDataZoom, zdelta, xpos, ypos, scrollLines_);
  } else {
    Fire(OnIntelliScroll, zdelta, xpos, ypos, scrollLines_);
  }
  if (OnWheelEvent) {
    OnWheelEvent(zdelta, xpos, ypos, scrollLines_);
    if (auto_) ScrollControlUnderPointer(xpos, ypos, zdelta, false);
  }
}

void DOVWheel::ScrollControlUnderPointer(std::int32_t xpos, std::int32_t ypos, std::int32_t zdelta,
                                         bool gridOnly) {
  fw::TWinControl* control = fw::FindVCLWindow(fw::TPoint{xpos, ypos});
  if (control == nullptr) return;
  const std::int32_t lines = scrollLines_ * -(zdelta / kWheelDelta);
  if (auto* grid = dynamic_cast<IWheelScrollGrid*>(control)) {
    int row = grid->Row() + lines;
    if (row > grid->RowCount() - 1) row = grid->RowCount() - 1;
    if (row < grid->FixedRows()) row = grid->FixedRows();
    grid->SetRow(row);
    return;
  }
  if (gridOnly) return;
  if (dynamic_cast<fw::TMemo*>(control) != nullptr || dynamic_cast<fw::TEdit*>(control) != nullptr) {
    SendMessageA(control->Handle(), EM_LINESCROLL, 0, lines);
  } else if (dynamic_cast<fw::TCustomListBox*>(control) != nullptr) {
    const LRESULT top = SendMessageA(control->Handle(), LB_GETTOPINDEX, 0, 0);
    SendMessageA(control->Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(std::max<LRESULT>(0, top + lines)), 0);
  }
}

}  // namespace input
