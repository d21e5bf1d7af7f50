#pragma once
// A hidden message-only window for objects that need a window procedure but no control: timers, the
// application. The handler runs for every message; exceptions it throws stop at the window procedure
// and go to the exception handler with sender as the Sender.
#include <functional>
#include <windows.h>

#include "framework/classes/object.h"
#include "framework/controls/messages.h"

namespace fw {

class TUtilityWindow {
 public:
  // handler returns true when it handled the message (its Result is then returned), false to pass the
  // message to DefWindowProc.
  using Handler = std::function<bool(TMessage& Message)>;

  TUtilityWindow(TObject* sender, Handler handler);
  ~TUtilityWindow();
  TUtilityWindow(const TUtilityWindow&) = delete;
  TUtilityWindow& operator=(const TUtilityWindow&) = delete;

  HWND Handle() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  TObject* sender_;
  Handler handler_;
  HWND window_ = nullptr;
};

}  // namespace fw
