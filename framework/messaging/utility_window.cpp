#include "framework/messaging/utility_window.h"

#include "framework/messaging/exception_boundary.h"
#include <utility>

#include "framework/rtl/exceptions.h"

namespace fw {

namespace {

constexpr char kClassName[] = "Trelvik.UtilityWindow";

HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ThisModule), &module);
  return module;
}

}  // namespace

TUtilityWindow::TUtilityWindow(TObject* sender, Handler handler) : sender_(sender), handler_(std::move(handler)) {
  const HINSTANCE module = ThisModule();
  WNDCLASSEXA info{};
  info.cbSize = sizeof(info);
  if (!GetClassInfoExA(module, kClassName, &info)) {
    info.cbSize = sizeof(info);
    info.lpfnWndProc = &WindowProcedure;
    info.hInstance = module;
    info.lpszClassName = kClassName;
    if (!RegisterClassExA(&info)) RaiseLastOSError();
  }
  window_ = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, module, nullptr);
  if (window_ == nullptr) RaiseLastOSError();
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TUtilityWindow::~TUtilityWindow() {
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

LRESULT CALLBACK TUtilityWindow::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TUtilityWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self != nullptr && self->handler_) {
    TMessage message{msg, wParam, lParam, 0};
    try {
      if (self->handler_(message)) return message.Result;
    } catch (...) {
      HandleException(self->sender_);
      return 0;
    }
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace fw
