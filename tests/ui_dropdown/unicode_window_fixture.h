// The Unicode controls' tests: a form per test (shown, so every control has its window) and the trap's
// module started for the suite, as the program's module start-up does.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/framework/stdctrl_test_support.h"
#include "ui/dropdown/wide_window_trap.h"

namespace ui::testing {

class UnicodeWindowTest : public fw::testing::StdControlTest {
 public:
  static void SetUpTestSuite() {
    startedHere_ = WideWindowTrapAtom() == 0;
    if (startedHere_) StartWideWindowModule();
  }
  static void TearDownTestSuite() {
    if (startedHere_) StopWideWindowModule();
  }

  // The window's text as the system reads it for a Unicode caller.
  static std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
  }
  // A typed character, as the system delivers it to a Unicode window.
  static void TypeChar(HWND window, wchar_t c) { SendMessageW(window, WM_CHAR, static_cast<WPARAM>(c), 1); }

 private:
  static inline bool startedHere_ = false;
};

}  // namespace ui::testing
