#pragma once
// How the application shows hints: it watches the mouse messages of its loop; when the mouse rests on a
// control whose ShowHint is on and whose Hint is not empty, the hint window shows the hint after
// HintPause (HintShortPause when a hint was showing already) and hides it after HintHidePause. A click or
// a key hides it at once. The control may change or refuse its hint when asked with CM_HINTSHOW: its text,
// position, colour, the hint window class it is shown in and the rectangle the mouse may move in before
// the control's hint is asked for anew.
#include <windows.h>

#include "framework/classes/component.h"
#include "framework/controls/hint_window.h"
#include "framework/messaging/timer.h"

namespace fw {

class TApplication;

class THintController : public TComponent {
 public:
  explicit THintController(TApplication* application);

  // Every message the application's loop takes, before it is dispatched.
  void Observe(const MSG& msg);
  void CancelHint();
  // The window of the hint showing or last shown (made of the default class when none was).
  THintWindow* HintWindow();
  // The control under the mouse whose hint is due or showing.
  TControl* HintControl() const { return control_; }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void MouseOver(TControl* control);
  void SetControl(TControl* control);
  void ShowHintNow();
  void StopTimers();
  void StartShowTimer(bool wasShowing);
  // The hint window of a class, replacing a window of another class.
  THintWindow* HintWindowOf(THintWindowClass windowClass);
  void MouseMovedOn(TControl* control, POINT screenPoint);

  TApplication* application_;
  TControl* control_ = nullptr;
  TTimer* showTimer_;
  TTimer* hideTimer_;
  THintWindow* window_ = nullptr;
  THintWindowClass windowClass_ = nullptr;
  // The shown hint's cursor rectangle in screen coordinates.
  bool cursorRectSet_ = false;
  TRect cursorRect_;
};

// The control at a point of a window's client area: a graphic control there, or the window's own
// control (or the nearest framework window above it); nullptr outside the framework's windows.
TControl* FindControlAt(HWND window, POINT clientPoint);

}  // namespace fw
