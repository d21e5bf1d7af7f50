// The glow button under the pointer and the keyboard, on a real window: clicks, check toggling, the split
// between click and drop-down menu (the menu's modal tracking replaced), fades and auto-repeat with their
// timer handlers called directly, Enter, Space, F4, dialog keys and Alt accelerators.
#include <gtest/gtest.h>

#include <vector>

#include "framework/menus/menu.h"
#include "framework/menus/menu_item.h"
#include "framework/messaging/timer.h"
#include "framework/rtl/exceptions.h"
#include "framework/services/service.h"
#include "tests/ui_controls/glow_test_support.h"
#include "ui/controls/glow_face_colors.h"

namespace ui {
namespace {

class GlowInteractionTest : public testing::GlowButtonTest {
 protected:
  void SetUp() override {
    testing::GlowButtonTest::SetUp();
    Form()->Show();
    button_ = Button();
    button_->OnClick = [this](fw::TObject*) { ++clicks_; };
    ProcessMessages();
  }
  void Press(int x, int y) { SendMessageA(button_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
  void Release(int x, int y) {
    SendMessageA(button_->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
  }
  void Key(UINT msg, WPARAM key) { SendMessageA(button_->Handle(), msg, key, 0); }
  // A drop-down menu with one item; the menu's modal tracking only records where it would pop up.
  fw::TPopupMenu* Menu() {
    auto* menu = fw::Create<fw::TPopupMenu>(Form());
    auto* item = fw::Create<fw::TMenuItem>(menu);
    item->SetCaption("Item");
    menu->Items()->Add(item);
    button_->SetDropDownMenu(menu);
    return menu;
  }

  TVxGlowButton* button_ = nullptr;
  int clicks_ = 0;
  std::vector<POINT> popups_;
  fw::ServiceDouble<UINT(HMENU, UINT, int, int, HWND)> tracking_{
      fw::TrackPopupMenuService, [this](HMENU, UINT, int x, int y, HWND) {
        popups_.push_back(POINT{x, y});
        return 0u;
      }};
};

TEST_F(GlowInteractionTest, OneClickPerReleaseInsideAndNoneOutside) {
  Press(50, 20);
  EXPECT_EQ(button_->FaceState().ButtonState, gbsPressed);
  EXPECT_TRUE(button_->FaceState().PressedGlow);
  Release(50, 20);
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(button_->FaceState().ButtonState, gbsUp);
  Press(50, 20);
  Release(150, 20);
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(button_->FaceState().ButtonState, gbsUp);  // the face is restored
  // Two presses in quick succession are two clicks, not a double click.
  Press(50, 20);
  Release(50, 20);
  SendMessageA(button_->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(50, 20));
  Release(50, 20);
  EXPECT_EQ(clicks_, 3);
}

TEST_F(GlowInteractionTest, ACheckButtonTogglesAtThePressAndUndoesItOnAReleaseOutside) {
  button_->SetStyle(bsCheck);
  Press(50, 20);
  EXPECT_TRUE(button_->Down());
  Release(50, -30);
  EXPECT_FALSE(button_->Down());
  EXPECT_EQ(clicks_, 0);
  Press(50, 20);
  Release(50, 20);
  EXPECT_TRUE(button_->Down());
  EXPECT_EQ(clicks_, 1);
  Press(50, 20);  // a press on a down button lets it up ...
  EXPECT_FALSE(button_->Down());
  Release(500, 20);  // ... and a release outside puts it down again
  EXPECT_TRUE(button_->Down());
}

TEST_F(GlowInteractionTest, TheBottomRowCountsAsInsideForAGroupMember) {
  button_->SetGroupIndex(1);
  Press(50, 20);
  Release(50, button_->ClientHeight());
  EXPECT_TRUE(button_->Down());
  EXPECT_EQ(button_->FaceState().ButtonState, gbsGroupDown);
}

TEST_F(GlowInteractionTest, TheSplitBoundaryDecidesBetweenClickAndMenu) {
  Menu();
  int dropDowns = 0;
  button_->OnDropDown = [&](fw::TObject*) { ++dropDowns; };
  button_->SetDropDownButton(true);
  ASSERT_EQ(button_->Width(), 100);
  Press(87, 20);  // on the 14-pixel part
  Release(87, 20);
  EXPECT_EQ(popups_.size(), 1u);
  EXPECT_EQ(dropDowns, 1);
  EXPECT_EQ(clicks_, 0);
  const fw::TPoint under = Form()->ClientToScreen(fw::TPoint{button_->Left(), button_->Top() + button_->Height()});
  EXPECT_EQ(popups_[0].x, under.X);
  EXPECT_EQ(popups_[0].y, under.Y);
  Press(86, 20);
  Release(86, 20);
  EXPECT_EQ(popups_.size(), 1u);
  EXPECT_EQ(clicks_, 1);

  // Without the split the whole button opens the menu, unless it is a check button or grouped.
  button_->SetDropDownSplit(false);
  button_->SetDropDownDirection(ddRight);
  Press(10, 20);
  Release(10, 20);
  EXPECT_EQ(popups_.size(), 2u);
  const fw::TPoint beside = Form()->ClientToScreen(fw::TPoint{button_->Left() + button_->Width(), button_->Top()});
  EXPECT_EQ(popups_[1].x, beside.X);
  EXPECT_EQ(popups_[1].y, beside.Y);
  button_->SetStyle(bsCheck);
  Press(10, 20);
  Release(10, 20);
  EXPECT_EQ(popups_.size(), 2u);
  EXPECT_EQ(clicks_, 2);
}

TEST_F(GlowInteractionTest, FadesTickUntilSettled) {
  ASSERT_EQ(GlowFadeInterval(), 30);
  button_->Perform(fw::CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(button_));
  EXPECT_TRUE(button_->Fading());
  for (int tick = 1; tick <= 5; ++tick) {
    button_->FadeTimerTick();
    EXPECT_EQ(button_->HotFade(), 20 * tick);
    EXPECT_TRUE(button_->Fading());
  }
  button_->FadeTimerTick();  // past 100: settled
  EXPECT_EQ(button_->HotFade(), 100);
  EXPECT_FALSE(button_->Fading());

  // The pressed glow fades in while held and out after the release, then goes.
  Press(50, 20);
  EXPECT_TRUE(button_->Fading());
  for (int tick = 0; tick < 6; ++tick) button_->FadeTimerTick();
  EXPECT_EQ(button_->DownFade(), 100);
  EXPECT_FALSE(button_->Fading());
  Release(50, 20);
  EXPECT_TRUE(button_->Fading());
  for (int tick = 0; tick < 6; ++tick) button_->FadeTimerTick();
  EXPECT_EQ(button_->DownFade(), 0);
  EXPECT_FALSE(button_->FaceState().PressedGlow);
  EXPECT_FALSE(button_->Fading());

  // Leaving fades the hot look out from 100.
  button_->Perform(fw::CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(button_));
  EXPECT_EQ(button_->HotFade(), 100);
  button_->FadeTimerTick();
  EXPECT_EQ(button_->HotFade(), 80);
}

TEST_F(GlowInteractionTest, WithoutAFadeIntervalTheHotLookComesAtOnce) {
  SetGlowFadeInterval(0);
  button_->Perform(fw::CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(button_));
  EXPECT_FALSE(button_->Fading());
  const TGlowFaceColors hot = GlowFaceColors(*button_->Appearance(), button_->FaceState());
  EXPECT_EQ(hot.Color, button_->Appearance()->ColorHot());
  EXPECT_TRUE(hot.Highlighted);
  Press(50, 20);
  EXPECT_FALSE(button_->Fading());
  const TGlowFaceColors down = GlowFaceColors(*button_->Appearance(), button_->FaceState());
  EXPECT_EQ(down.Color, button_->Appearance()->ColorDown());
  Release(50, 20);
}

TEST_F(GlowInteractionTest, AutoRepeatAfterTheFirstPauseThenAtTheRepeatPause) {
  button_->SetRepeatClick(true);
  Press(50, 20);
  fw::TTimer* timer = button_->RepeatTimer();
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 400u);
  EXPECT_EQ(clicks_, 0);
  button_->RepeatTimerTick();
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(timer->Interval(), 100u);
  button_->RepeatTimerTick();
  EXPECT_EQ(clicks_, 2);
  Release(50, 20);
  EXPECT_EQ(clicks_, 3);  // the release's own click
  EXPECT_FALSE(timer->Enabled());
  button_->RepeatTimerTick();  // not held: nothing
  EXPECT_EQ(clicks_, 3);

  // A click that raises stops the repeat.
  button_->OnClick = [](fw::TObject*) { throw fw::Exception("refused"); };
  Press(50, 20);
  EXPECT_THROW(button_->RepeatTimerTick(), fw::Exception);
  EXPECT_FALSE(timer->Enabled());
  button_->OnClick = nullptr;
  Release(50, 20);
}

TEST_F(GlowInteractionTest, EnterAndSpaceClickAndF4OpensTheMenu) {
  Key(WM_KEYDOWN, VK_SPACE);
  EXPECT_EQ(button_->FaceState().ButtonState, gbsPressed);
  Key(WM_CHAR, ' ');
  Key(WM_KEYUP, VK_SPACE);
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(button_->FaceState().ButtonState, gbsUp);
  button_->SetModalResult(fw::mrOk);
  Key(WM_KEYDOWN, VK_RETURN);
  Key(WM_CHAR, '\r');
  Key(WM_KEYUP, VK_RETURN);
  EXPECT_EQ(clicks_, 2);
  EXPECT_EQ(Form()->ModalResult(), fw::mrOk);
  Key(WM_KEYDOWN, VK_F4);  // no menu: nothing
  EXPECT_TRUE(popups_.empty());
  Menu();
  Key(WM_KEYDOWN, VK_F4);
  EXPECT_EQ(popups_.size(), 1u);
  EXPECT_EQ(clicks_, 2);
}

TEST_F(GlowInteractionTest, DefaultAndCancelAnswerTheDialogKeys) {
  TVxGlowButton* ok = Button(fw::Rect(10, 60, 110, 100));
  TVxGlowButton* cancel = Button(fw::Rect(10, 110, 110, 150));
  int okClicks = 0;
  int cancelClicks = 0;
  ok->OnClick = [&](fw::TObject*) { ++okClicks; };
  cancel->OnClick = [&](fw::TObject*) { ++cancelClicks; };
  ok->SetDefault(true);
  cancel->SetCancel(true);
  ok->Perform(fw::CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Form()));  // nothing glowing focused
  EXPECT_NE(Form()->Perform(fw::CM_DIALOGKEY, VK_RETURN), 0);
  EXPECT_EQ(okClicks, 1);
  EXPECT_NE(Form()->Perform(fw::CM_DIALOGKEY, VK_ESCAPE), 0);
  EXPECT_EQ(cancelClicks, 1);
  EXPECT_EQ(clicks_, 0);
  // A focused glow button takes Enter from the default one.
  ok->Perform(fw::CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(button_));
  button_->Perform(fw::CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(button_));
  Form()->Perform(fw::CM_DIALOGKEY, VK_RETURN);
  EXPECT_EQ(okClicks, 1);
  EXPECT_EQ(clicks_, 1);
}

// Holds Alt down in this thread's keyboard state for a scope.
class AltHeld {
 public:
  AltHeld() {
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_MENU] = 0x80;
    SetKeyboardState(state);
  }
  ~AltHeld() { SetKeyboardState(saved_); }

 private:
  BYTE saved_[256]{};
};

TEST_F(GlowInteractionTest, AltAndTheAcceleratorClickOrOpenTheMenu) {
  button_->SetCaption("&Save");
  EXPECT_EQ(Form()->Perform(fw::CM_DIALOGCHAR, 's'), 0);  // without Alt: not ours
  EXPECT_EQ(clicks_, 0);
  {
    AltHeld alt;
    ASSERT_LT(GetKeyState(VK_MENU), 0);
    EXPECT_NE(Form()->Perform(fw::CM_DIALOGCHAR, 's'), 0);
    EXPECT_EQ(clicks_, 1);
    EXPECT_EQ(Form()->Perform(fw::CM_DIALOGCHAR, 'x'), 0);
    Menu();
    EXPECT_NE(Form()->Perform(fw::CM_DIALOGCHAR, 'S'), 0);
  }
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(popups_.size(), 1u);
}

}  // namespace
}  // namespace ui
