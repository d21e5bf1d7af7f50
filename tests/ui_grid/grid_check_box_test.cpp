// The grid check box on a shown form: clicks and Space toggle and fire OnClick, read-only fires without
// toggling, grayed becomes checked, Enter posts a Tab, the accelerator toggles, and a transparent box
// with a cached background takes the parent's image again after it moved.
#include <gtest/gtest.h>

#include "framework/controls/messages.h"
#include "tests/framework/stdctrl_test_support.h"
#include "ui/grid/settings/grid_check_box.h"

namespace ui::testing {
namespace {

class GridCheckBoxTest : public fw::testing::StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    box_ = Make<TVxCheckBox>(fw::Bounds(10, 10, 120, 20));
    box_->OnClick = [this](fw::TObject*) { ++clicks_; };
    Form()->Show();
    ProcessMessages();
  }
  void Click(int x = 5, int y = 8) {
    SendMessageA(box_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(box_->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
  }
  void Key(WPARAM key) {
    SendMessageA(box_->Handle(), WM_KEYDOWN, key, 0);
    SendMessageA(box_->Handle(), WM_KEYUP, key, 0xC0000000);
  }

  TVxCheckBox* box_ = nullptr;
  int clicks_ = 0;
};

TEST_F(GridCheckBoxTest, ClicksAndSpaceToggleAndFireOnClick) {
  EXPECT_EQ(box_->Caption(), "TVxCheckBox");
  Click();
  EXPECT_TRUE(box_->Checked());
  EXPECT_EQ(clicks_, 1);
  Key(VK_SPACE);
  EXPECT_FALSE(box_->Checked());
  EXPECT_EQ(clicks_, 2);
  // A release outside the box neither toggles nor clicks.
  SendMessageA(box_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 8));
  EXPECT_TRUE(box_->Pressed());
  SendMessageA(box_->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(300, 8));
  EXPECT_FALSE(box_->Pressed());
  EXPECT_FALSE(box_->Checked());
  EXPECT_EQ(clicks_, 2);
}

TEST_F(GridCheckBoxTest, ReadOnlyFiresOnClickButKeepsTheState) {
  box_->ReadOnly = true;
  Click();
  Key(VK_SPACE);
  EXPECT_EQ(clicks_, 2);
  EXPECT_FALSE(box_->Checked());
}

TEST_F(GridCheckBoxTest, AGrayedBoxBecomesCheckedWhenClicked) {
  box_->SetState(fw::cbGrayed);
  EXPECT_FALSE(box_->Checked());
  Click();
  EXPECT_EQ(box_->State(), fw::cbChecked);
}

TEST_F(GridCheckBoxTest, EnterIsPostedAsTabOnlyWithReturnIsTab) {
  MSG message{};
  SendMessageA(box_->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_FALSE(PeekMessageA(&message, box_->Handle(), WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
  box_->ReturnIsTab = true;
  SendMessageA(box_->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  ASSERT_TRUE(PeekMessageA(&message, box_->Handle(), WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
  EXPECT_EQ(message.wParam, static_cast<WPARAM>(VK_TAB));
  EXPECT_FALSE(box_->Checked());
}

TEST_F(GridCheckBoxTest, TheAcceleratorTogglesTheBox) {
  box_->SetCaption("&Match case");
  EXPECT_EQ(box_->Perform(fw::CM_DIALOGCHAR, 'x'), 0);
  EXPECT_FALSE(box_->Checked());
  EXPECT_NE(box_->Perform(fw::CM_DIALOGCHAR, 'm'), 0);
  EXPECT_TRUE(box_->Checked());
}

TEST_F(GridCheckBoxTest, AMovedTransparentBoxTakesTheParentsNewBackground) {
  box_->SetTransparent(true);
  box_->SetTransparentCaching(true);
  Form()->SetColor(0x0000FF);
  const auto background = [this] {
    fw::testing::MemoryBitmap bitmap(box_->Width(), box_->Height());
    box_->PaintTo(bitmap.DC(), 0, 0);
    return bitmap.Pixel(box_->Width() - 2, 1);
  };
  EXPECT_EQ(background(), 0x0000FF);
  Form()->SetColor(0x00FF00);
  EXPECT_EQ(background(), 0x0000FF);  // the cached image
  box_->SetLeft(box_->Left() + 1);
  EXPECT_EQ(background(), 0x00FF00);
  // Without caching every paint takes the parent's image.
  box_->SetTransparentCaching(false);
  Form()->SetColor(0xFF0000);
  EXPECT_EQ(background(), 0xFF0000);
}

}  // namespace
}  // namespace ui::testing
