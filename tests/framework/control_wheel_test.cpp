// The mouse wheel on controls: the parents are asked first, then the control's own wheel handling, and
// what nobody takes goes on to the default procedure and so up to the form's window.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/controls/panel.h"
#include "framework/services/keystate.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

// A panel whose wheel-down virtual takes the wheel when told to.
class WheelPanel : public TPanel {
 public:
  using TPanel::TPanel;
  bool TakeDown = false;
  int DownCalls = 0;

 protected:
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override {
    ++DownCalls;
    return TakeDown || TPanel::DoMouseWheelDown(Shift, MousePos);
  }
};

class ControlWheelTest : public testing::StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    outer_ = Make<WheelPanel>(Rect(10, 10, 300, 250));
    inner_ = Make<WheelPanel>(Rect(10, 10, 200, 150), outer_);
    Form()->Show();
    // The form's window as the main window's wheel component sees it: subclassed, before the framework.
    formWindow_ = Form()->Handle();
    SetPropA(formWindow_, "WheelTest.Seen", this);
    next_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(formWindow_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FormSubclass)));
    for (auto* panel : {outer_, inner_}) {
      const std::string name = panel == outer_ ? "outer" : "inner";
      panel->OnMouseWheel = [this, name](TObject*, TShiftState, int delta, TPoint, bool& handled) {
        calls_.push_back(name + (handled ? " wheel handled?" : " wheel ") + std::to_string(delta));
        handled = name == handles_;
      };
      panel->OnMouseWheelUp = [this, name](TObject*, TShiftState, TPoint, bool& handled) {
        calls_.push_back(name + (handled ? " up handled?" : " up"));
        handled = name + " up" == handles_;
      };
      panel->OnMouseWheelDown = [this, name](TObject*, TShiftState shift, TPoint pos, bool& handled) {
        calls_.push_back(name + (handled ? " down handled?" : " down"));
        downShift_ = shift;
        downPos_ = pos;
      };
    }
  }
  void TearDown() override {
    SetWindowLongPtrA(formWindow_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(next_));
    RemovePropA(formWindow_, "WheelTest.Seen");
    StdControlTest::TearDown();
  }
  static LRESULT CALLBACK FormSubclass(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* test = static_cast<ControlWheelTest*>(GetPropA(window, "WheelTest.Seen"));
    if (msg == WM_MOUSEWHEEL) test->calls_.push_back("form window");
    return CallWindowProcA(test->next_, window, msg, wParam, lParam);
  }
  LRESULT Wheel(int delta, WORD keys = 0, int x = 120, int y = 130) {
    return SendMessageA(inner_->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<WORD>(delta)), MAKELPARAM(x, y));
  }

  WheelPanel* outer_ = nullptr;
  WheelPanel* inner_ = nullptr;
  HWND formWindow_ = nullptr;
  WNDPROC next_ = nullptr;
  std::vector<std::string> calls_;
  std::string handles_;
  TShiftState downShift_;
  TPoint downPos_;
};

TEST_F(ControlWheelTest, ParentsAreAskedFirstAndAHandledAnswerEndsTheWheel) {
  handles_ = "outer";
  EXPECT_EQ(Wheel(WHEEL_DELTA), 1);
  EXPECT_EQ(calls_, (std::vector<std::string>{"outer wheel 120"}));

  calls_.clear();
  handles_ = "inner up";
  EXPECT_EQ(Wheel(WHEEL_DELTA), 1);
  EXPECT_EQ(calls_, (std::vector<std::string>{"outer wheel 120", "outer up", "inner wheel 120", "inner up"}));
}

TEST_F(ControlWheelTest, AnUnhandledWheelReachesTheFormWindowOnceAndNobodyIsAskedTwice) {
  EXPECT_EQ(Wheel(-WHEEL_DELTA), 0);
  EXPECT_EQ(calls_, (std::vector<std::string>{"outer wheel -120", "outer down", "inner wheel -120", "inner down",
                                              "form window"}));
}

TEST_F(ControlWheelTest, TheVirtualsDecideAndSeeTheModifiersAndThePoint) {
  // Alt comes from the keyboard's state, Ctrl from the message.
  const ServiceDouble<SHORT(int)> alt(KeyState, [](int key) { return static_cast<SHORT>(key == VK_MENU ? 0x8000 : 0); });
  inner_->TakeDown = true;
  EXPECT_EQ(Wheel(-2 * WHEEL_DELTA, MK_CONTROL, 321, 234), 1);
  EXPECT_EQ(inner_->DownCalls, 1);
  EXPECT_EQ(outer_->DownCalls, 1);  // asked first, did not take it
  EXPECT_EQ(downShift_, (TShiftState{ssCtrl, ssAlt}));
  EXPECT_EQ(downPos_, (TPoint{321, 234}));
  EXPECT_EQ(std::count(calls_.begin(), calls_.end(), "form window"), 0);
}

}  // namespace
}  // namespace fw
