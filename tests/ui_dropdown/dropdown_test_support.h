// A drop-down descendant that records the protocol calls it receives, and a form per test to place it on.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/canvas.h"
#include "tests/framework/stdctrl_test_support.h"
#include "ui/dropdown/dropdown_edit.h"

namespace ui::testing {

using fw::testing::MemoryBitmap;

// Records each protocol call ("ShowDropDown", "HideDropDown(cancel)", ...) and, for the calls the base
// constructor makes, whether the descendant's own part existed then. ShowDropDown and HideDropDown keep
// the dropped-down state as the pop-up sequence does.
class RecordingDropDown : public TVxCustomDropDown {
 public:
  explicit RecordingDropDown(fw::TComponent* AOwner) : TVxCustomDropDown(AOwner), part_(std::make_unique<int>(7)) {}

  std::vector<std::string> Calls;
  // Whether the descendant's part existed at each of the five construction calls.
  std::vector<bool> PartPresent;

  void Clear() { Calls.clear(); }
  void Open() { SetDroppedDown(true); }
  void SetUserSize(int Width, int Height) { TVxCustomDropDown::SetUserSize(Width, Height); }

  void CreateDropDownForm() override { Construction("CreateDropDownForm"); }
  void CreateDropDownButton() override {
    Construction("CreateDropDownButton");
    TVxCustomDropDown::CreateDropDownButton();
  }
  void SetText(const std::string& Value) override {
    Construction("SetText");
    TVxCustomDropDown::SetText(Value);
  }
  void SetSelectionColorStyle(int Style) override {
    Construction("SetSelectionColorStyle(" + std::to_string(Style) + ")");
    TVxCustomDropDown::SetSelectionColorStyle(Style);
  }
  void ApplyStyle(int Style) override {
    Construction("ApplyStyle(" + std::to_string(Style) + ")");
    TVxCustomDropDown::ApplyStyle(Style);
  }
  void ShowDropDown() override {
    Calls.push_back("ShowDropDown");
    SetDroppedDown(true);
  }
  void HideDropDown(bool Cancel) override {
    Calls.push_back(Cancel ? "HideDropDown(cancel)" : "HideDropDown(ok)");
    SetDroppedDown(false);
  }
  void PlaceDropDownControl() override { Calls.push_back("PlaceDropDownControl"); }
  void SelectNextItem() override { Calls.push_back("SelectNextItem"); }
  void SelectPreviousItem() override { Calls.push_back("SelectPreviousItem"); }

 private:
  void Construction(const std::string& call) {
    Calls.push_back(call);
    PartPresent.push_back(part_ != nullptr);
  }

  std::unique_ptr<int> part_;
};

// A form shown per test, with drop-downs made on it.
class DropDownTest : public fw::testing::StdControlTest {
 public:
  template <class T = RecordingDropDown>
  T* MakeDropDown(fw::TRect bounds = fw::TRect{20, 20, 220, 41}) {
    return Make<T>(bounds);
  }
  // Shows the form and gives the control the focus (false when it never came).
  bool Focus(fw::TWinControl* control) {
    Form()->Show();
    control->SetFocus();
    return WaitForFocus(control->Handle());
  }
  // A key pressed on the focused window, through the message queue as the keyboard would send it.
  void PressKey(HWND window, WORD key, UINT message = WM_KEYDOWN) {
    PostMessageA(window, message, key, 0);
    PostMessageA(window, message == WM_KEYDOWN ? WM_KEYUP : WM_SYSKEYUP, key, static_cast<LPARAM>(0xC0000000u));
    ProcessMessages();
  }
};

// A framework canvas drawing on a memory bitmap for the scope's life.
class BitmapCanvas {
 public:
  BitmapCanvas(int width, int height) : bitmap_(width, height) { canvas_.SetHandle(bitmap_.DC()); }
  BitmapCanvas(const BitmapCanvas&) = delete;
  BitmapCanvas& operator=(const BitmapCanvas&) = delete;
  ~BitmapCanvas() { canvas_.SetHandle(nullptr); }
  fw::TCanvas* Canvas() { return &canvas_; }
  fw::TColor Pixel(int x, int y) const { return bitmap_.Pixel(x, y); }

 private:
  MemoryBitmap bitmap_;
  fw::TCanvas canvas_;
};

// A pixel of the window as the screen shows it (its border included).
inline fw::TColor WindowPixel(HWND window, int x, int y) {
  const HDC dc = GetWindowDC(window);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return static_cast<fw::TColor>(c);
}

}  // namespace ui::testing
