#include "ui/dropdown/wide_window_trap.h"

#include <imm.h>

#include <cstdio>
#include <unordered_map>
#include <utility>

#include "framework/messaging/exception_boundary.h"
#include "framework/rtl/exceptions.h"
#include "framework/services/imeresult.h"
#include "ui/dropdown/wide_window.h"

namespace ui {

namespace {

ATOM trapAtom = 0;

// The traps by window, for the per-message look-up of the two procedures. The window property under the
// module atom marks the same windows for anyone outside; reading it for every message would cost a call
// to the window manager (a server round trip under Wine) each time.
std::unordered_map<HWND, TWinControlTrap*>& Traps() {
  static auto* const traps = new std::unordered_map<HWND, TWinControlTrap*>();
  return *traps;
}

bool IsTextMessage(UINT msg) { return msg == WM_SETTEXT || msg == WM_GETTEXT || msg == WM_GETTEXTLENGTH; }

constexpr WPARAM kLowWord = 0xFFFF;

WPARAM HighWord(WPARAM value) { return (value >> 16) & kLowWord; }

void CheckCharMessage(const fw::TMessage& Message) {
  if (Message.Msg != WM_CHAR) throw fw::EInvalidOperation("Wide character code stashed for a message other than WM_CHAR");
}

}  // namespace

void StartWideWindowModule() {
  if (trapAtom != 0) return;
  char name[64];
  std::snprintf(name, sizeof(name), "WinControlTrap.UnicodeClass.%lu", GetCurrentProcessId());
  trapAtom = GlobalAddAtomA(name);
  if (trapAtom == 0) fw::RaiseLastOSError();
}

void StopWideWindowModule() {
  if (trapAtom == 0) return;
  GlobalDeleteAtom(trapAtom);
  trapAtom = 0;
}

ATOM WideWindowTrapAtom() { return trapAtom; }

TWinControlTrap* TWinControlTrap::Of(HWND Window) {
  const auto found = Traps().find(Window);
  return found != Traps().end() ? found->second : nullptr;
}

LRESULT CALLBACK TWinControlTrap::WindowFunc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TWinControlTrap* trap = Of(Window);
  if (trap == nullptr) return DefWindowProcW(Window, Msg, WParam, LParam);
  if (Msg == WM_DESTROY) return trap->WindowDestroyed(WParam, LParam);
  try {
    fw::TMessage message{Msg, WParam, LParam, 0};
    if (DeliverImeResultString(Window, message)) return message.Result;
  } catch (...) {
    fw::HandleException(trap->control_);
    return 0;
  }
  trap->lastWindowMessage_ = Msg;
  return CallWindowProcW(trap->previousWindowProc_, Window, Msg, WParam, LParam);
}

LRESULT TWinControlTrap::WindowDestroyed(WPARAM WParam, LPARAM LParam) {
  // Releasing the window frees this trap: what the last call needs is taken first.
  const WNDPROC previous = previousWindowProc_;
  const HWND window = window_;
  try {
    ReleaseWideWindow(control_);
  } catch (...) {
    fw::HandleException(control_);
  }
  return CallWindowProcA(previous, window, WM_DESTROY, WParam, LParam);
}

void TWinControlTrap::MessageMethod(fw::TMessage& Message) {
  const UINT pending = std::exchange(lastWindowMessage_, 0);
  if (pending != 0 || !IsTextMessage(Message.Msg)) {
    if (Message.Msg == WM_CHAR) StashWideCharCode(Message);
    CallPreviousMessageMethod(Message);
    return;
  }
  // A text message the framework gave the control itself carries 8-bit text: the system converts it on
  // its way to the Unicode window.
  Message.Result = SendMessageA(window_, Message.Msg, Message.WParam, Message.LParam);
}

void TWinControlTrap::CallPreviousMessageMethod(fw::TMessage& Message) {
  if (previousMessageMethod_) {
    previousMessageMethod_(Message);
  } else {
    control_->WndProc(Message);
  }
}

LRESULT CALLBACK TWinControlTrap::DefWindowFunc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TWinControlTrap* trap = Of(Window);
  if (trap == nullptr) return DefWindowProcW(Window, Msg, WParam, LParam);
  if (Msg == WM_CHAR) {
    fw::TMessage message{Msg, WParam, LParam, 0};
    RestoreWideCharCode(message);
    WParam = message.WParam;
  }
  return CallWindowProcW(trap->previousDefProc_, Window, Msg, WParam, LParam);
}

void AttachWideWindowTrap(fw::TWinControl* Control) {
  if (!Control->HandleAllocated()) return;
  const HWND window = Control->Handle();
  if (!IsWindowUnicode(window) || TWinControlTrap::Of(window) != nullptr) return;
  if (trapAtom == 0) throw fw::EInvalidOperation("The Unicode window module is not started");
  auto* trap = new TWinControlTrap();
  SetPropA(window, MAKEINTATOM(trapAtom), trap);
  Traps()[window] = trap;
  trap->control_ = Control;
  trap->window_ = window;
  trap->previousWindowProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
  trap->previousDefProc_ = Control->DefWndProc();
  trap->previousMessageMethod_ = Control->WindowProc();
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControlTrap::WindowFunc));
  Control->SetDefWndProc(&TWinControlTrap::DefWindowFunc);
  Control->SetWindowProc([trap](fw::TMessage& Message) { trap->MessageMethod(Message); });
}

void DetachWideWindowTrap(fw::TWinControl* Control) {
  if (!Control->HandleAllocated()) return;
  const HWND window = Control->Handle();
  if (!IsWindowUnicode(window)) return;
  auto* trap = static_cast<TWinControlTrap*>(RemovePropA(window, MAKEINTATOM(trapAtom)));
  Traps().erase(window);
  if (trap == nullptr) return;
  Control->SetWindowProc(trap->previousMessageMethod_);
  Control->SetDefWndProc(trap->previousDefProc_);
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(trap->previousWindowProc_));
  delete trap;
}

void StashWideCharCode(fw::TMessage& Message) {
  CheckCharMessage(Message);
  if (HighWord(Message.WParam) != 0) throw fw::EInvalidOperation("Wide character code stashed twice");
  const WPARAM code = Message.WParam & kLowWord;
  if (code < 256) return;
  Message.WParam = (code << 16) | 255;
}

void RestoreWideCharCode(fw::TMessage& Message) {
  CheckCharMessage(Message);
  const WPARAM stashed = HighWord(Message.WParam);
  WPARAM code = Message.WParam & kLowWord;
  if (stashed != 0 && code == 255) code = stashed;
  Message.WParam = code;
}

bool DeliverImeResultString(HWND Window, fw::TMessage& Message) {
  if (Message.Msg != WM_IME_COMPOSITION || (Message.LParam & GCS_RESULTSTR) == 0) return false;
  const std::optional<std::wstring> text = fw::ImeResultStringW(Window);
  if (!text) return false;
  for (const wchar_t c : *text) SendMessageW(Window, WM_CHAR, static_cast<WPARAM>(c), 0);
  Message.Result = 0;
  return true;
}

}  // namespace ui
