// The hidden windows through which Winsock notifies the sockets: class "XSocketWindowClass", one window
// per socket, the owning socket kept in the window's first extra slot.
#pragma once

#include <windows.h>

namespace net {

// What the window hands its messages to. The handler does not throw: the socket sends what it cannot
// handle to its own background-exception handling; anything else stops at the window procedure.
class SocketWindowTarget {
 public:
  virtual LRESULT SocketWindowMessage(UINT Msg, WPARAM WParam, LPARAM LParam) = 0;

 protected:
  ~SocketWindowTarget() = default;
};

constexpr char kSocketWindowClassName[] = "XSocketWindowClass";

// Registers the class when needed and creates a hidden window for Owner on the calling thread; nullptr
// when the class cannot be registered or the window not made.
HWND CreateSocketWindow(SocketWindowTarget* Owner);
// Forgets the owner and destroys the window; true when it was destroyed.
bool DestroySocketWindow(HWND Window);
void UnregisterSocketWindowClass();

LRESULT CALLBACK SocketWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

}  // namespace net
