#pragma once
// The trap that lets a framework window control own a Unicode window. The framework makes 8-bit windows
// and handles 8-bit text and keys; a trapped control's window is a Unicode window, and the trap sits
// between that window, the control's message method and its default procedure:
//
//   window --> TWinControlTrap::WindowFunc --> the framework's window procedure --> message method
//   (MessageMethod, in front of WndProc) --> the framework's handling --> default procedure
//   (DefWindowFunc) --> the Unicode system class's procedure
//
// so that wide characters reach the system control unharmed while the framework's 8-bit key handling
// still runs (it sees 255 for a character above U+00FF), and input-method results arrive as characters.
// The trap lives exactly as long as the Unicode window: AttachWideWindowTrap makes it, the window's
// WM_DESTROY (ReleaseWideWindow) or DetachWideWindowTrap ends it. GUI thread only.
#include <windows.h>

#include "framework/controls/win_control.h"

namespace ui {

// The module's start/stop pair: the window-property atom "WinControlTrap.UnicodeClass.<process id>"
// under which each trapped window carries its trap. Registered with the module start-up by
// RegisterUnicodeWindowModules (unicode_window_modules.h).
void StartWideWindowModule();
void StopWideWindowModule();
// The atom; 0 while the module is not started (no trap can be attached then).
ATOM WideWindowTrapAtom();

class TWinControlTrap {
 public:
  TWinControlTrap(const TWinControlTrap&) = delete;
  TWinControlTrap& operator=(const TWinControlTrap&) = delete;

  fw::TWinControl* Control() const { return control_; }
  HWND Window() const { return window_; }

  // The trap of a trapped window, null for any other window.
  static TWinControlTrap* Of(HWND Window);

 private:
  TWinControlTrap() = default;
  friend void AttachWideWindowTrap(fw::TWinControl* Control);
  friend void DetachWideWindowTrap(fw::TWinControl* Control);

  static LRESULT CALLBACK WindowFunc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
  static LRESULT CALLBACK DefWindowFunc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
  void MessageMethod(fw::TMessage& Message);
  LRESULT WindowDestroyed(WPARAM WParam, LPARAM LParam);
  void CallPreviousMessageMethod(fw::TMessage& Message);

  fw::TWinControl* control_ = nullptr;
  HWND window_ = nullptr;
  WNDPROC previousWindowProc_ = nullptr;
  WNDPROC previousDefProc_ = nullptr;
  fw::TControl::TWndMethod previousMessageMethod_;
  UINT lastWindowMessage_ = 0;  // the last message that came in through the window; 0 when none pending
};

// Installs and removes the trap of the control's window; both do nothing while the control has no
// window or its window is not a Unicode window.
void AttachWideWindowTrap(fw::TWinControl* Control);
void DetachWideWindowTrap(fw::TWinControl* Control);

// For WM_CHAR only. Stash: a character of 256 or more moves into the high word and the low word becomes
// 255, which the framework's 8-bit key handling sees. Restore: while the low word is still 255 it takes
// the stashed character back; the high word becomes 0 in any case, so a handler's replacement stays and
// a handler's 0 stops the character. Calling them for another message, or stashing a message whose high
// word is in use, is a programming error (EInvalidOperation).
void StashWideCharCode(fw::TMessage& Message);
void RestoreWideCharCode(fw::TMessage& Message);

// For WM_IME_COMPOSITION with a result string: sends each character of the input method's result to the
// window as WM_CHAR, in order, and returns true (the message is consumed, also for an empty result). Any
// other message, or a window without an input context, returns false.
bool DeliverImeResultString(HWND Window, fw::TMessage& Message);

}  // namespace ui
