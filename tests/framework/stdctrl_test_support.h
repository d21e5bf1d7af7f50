// Helpers for the standard-control tests: a form per test, clicks and keys posted to windows, and
// painting a control into a memory bitmap.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "framework/forms/form.h"
#include "ui_test_controls.h"
#include "ui_test_support.h"

namespace fw::testing {

class StdControlTest : public ApplicationTest {
 public:
  void SetUp() override {
    ApplicationTest::SetUp();
    form_ = Create<TForm>(&App());
    form_->SetBounds(0, 0, 400, 300);
  }
  // A control of class T owned by the form, placed on parent (the form when none) at bounds.
  template <class T>
  T* Make(TRect bounds = TRect{}, TWinControl* parent = nullptr) {
    return MakeChild<T>(form_, parent != nullptr ? parent : form_, bounds);
  }
  // A left click at (x, y) of the window, through the message queue.
  void PostClick(HWND window, int x, int y) {
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    App().ProcessMessages();
  }
  // A left click in the middle of a windowed control.
  void PostClick(TWinControl* control) { PostClick(control->Handle(), control->Width() / 2, control->Height() / 2); }
  TForm* Form() { return form_; }
  void ProcessMessages() { App().ProcessMessages(); }
  // Runs the message loop until the window has the focus (activation goes through Wine's desktop, which a busy
  // machine can delay); false when it never came within ten seconds.
  bool WaitForFocus(HWND window) {
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while (GetFocus() != window) {
      if (GetTickCount64() >= deadline) return false;
      App().ProcessMessages();
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
  }

  TForm* form_ = nullptr;
};

// Paints the windowed control into a bitmap filled with background and tells how many pixels changed.
inline int PaintedPixels(TWinControl* control, TColor background = clFuchsia) {
  MemoryBitmap bitmap(control->Width(), control->Height());
  bitmap.Fill(background);
  control->PaintTo(bitmap.DC(), 0, 0);
  const RECT all{0, 0, control->Width(), control->Height()};
  return control->Width() * control->Height() - bitmap.Count(all, background);
}

}  // namespace fw::testing

namespace fw::testing {

// Paints the control's parent into a bitmap and counts the pixels inside the control's bounds that
// differ from the parent's colour.
inline int PaintedPixelsOnParent(TControl* control) {
  TWinControl* parent = control->Parent();
  MemoryBitmap bitmap(parent->Width(), parent->Height());
  parent->PaintTo(bitmap.DC(), 0, 0);
  const RECT bounds = control->BoundsRect().ToRECT();
  const int area = control->Width() * control->Height();
  return area - bitmap.Count(bounds, static_cast<TColor>(ColorToRGB(parent->Color())));
}

}  // namespace fw::testing
