// DOVWheel: reports the mouse-wheel input of the form that owns it.
//
// The constructor subclasses the owner form's window (pointer-sized procedure values) and the destructor
// puts the saved procedure back. Every message of the form passes through the component: WM_MOUSEWHEEL
// and the legacy driver's registered "MSWHEEL_ROLLMSG" fire the events (chosen by Ctrl and Shift) and,
// with Auto and OnWheelEvent assigned, scroll the memo, edit, list box or string grid under the pointer.
// Everything runs on the GUI thread, inside the form's window procedure. One component per form.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "framework/classes/component.h"
#include "framework/rtl/exceptions.h"

namespace fw {
class TCustomForm;
class TWinControl;
}  // namespace fw

namespace input {

class EMSWheelError : public fw::Exception {
 public:
  using Exception::Exception;
};

using TMouseWheelEvent =
    std::function<void(std::int32_t zdelta, std::int32_t xpos, std::int32_t ypos, std::int32_t ScrollLines)>;
using TOnIntelliEvent =
    std::function<void(std::int32_t zdelta, std::int32_t xpos, std::int32_t ypos, std::int32_t ScrollLines)>;

class DOVWheel : public fw::TComponent {
 public:
  // Raises EMSWheelError when the owner is not a form or already has a DOVWheel.
  explicit DOVWheel(fw::TComponent* AOwner);
  ~DOVWheel() override;

  // Major, minor, release and build, one byte each from the high byte down.
  virtual std::uint32_t GetVersionNumber() const;
  std::string Version() const;
  void SetVersion(const std::string&) {}  // the version is fixed: writes are ignored

  bool Auto() const { return auto_; }
  void SetAuto(bool Value) { auto_ = Value; }
  std::int32_t ScrollLines() const { return scrollLines_; }

  TMouseWheelEvent OnWheelEvent;
  TOnIntelliEvent OnIntelliScroll;
  TOnIntelliEvent OnIntelliZoom;
  TOnIntelliEvent OnIntelliDataZoom;

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void MouseWheel(WPARAM wParam, LPARAM lParam);
  void RollMessage(WPARAM wParam, LPARAM lParam);
  void ScrollControlUnderPointer(std::int32_t xpos, std::int32_t ypos, std::int32_t zdelta, bool gridOnly);
  void Unhook();
  static std::int32_t ReadScrollLines();

  fw::TCustomForm* form_ = nullptr;
  HWND window_ = nullptr;
  std::int32_t scrollLines_ = 0;
  UINT rollMessage_ = 0;
  WNDPROC savedProc_ = nullptr;
  bool auto_ = false;
};

}  // namespace input
