// The grid button: glyph and caption layout, the gradient bands and the grey of a disabled glyph as pure
// functions; press, release, toggle, groups, the drop-down part and the action link through mouse
// messages sent to the parent form; the grey disabled glyph and a flat face read from a memory bitmap.
#include <gtest/gtest.h>

#include <vector>

#include "framework/actions/action.h"
#include "framework/menus/menu.h"
#include "framework/menus/menu_item.h"
#include "framework/services/service.h"
#include "tests/framework/stdctrl_test_support.h"
#include "ui/grid/settings/grid_button.h"
#include "ui/grid/settings/grid_button_layout.h"

namespace ui::testing {
namespace {

TEST(GridButtonLayoutTest, GlyphAndCaptionAlongTheLayoutAxis) {
  struct Case {
    const char* name;
    TButtonLayout layout;
    int margin, spacing;
    fw::TSize text;
    bool rightToLeft;
    fw::TPoint glyph;
    fw::TRect caption;
  };
  // Content area 100 x 40 at (2, 3), glyph 16 x 16, offset (1, 1).
  const Case cases[] = {
      // M = (100 - (16 + 4 + 30) + 1) div 2 = 25.
      {"left, centred", blGlyphLeft, -1, 4, {30, 12}, false, {2 + 25 + 1, 3 + 12 + 1}, {2 + 45 + 1, 3 + 14 + 1, 78, 30}},
      // M = S = (100 - 16 - 30) div 3 = 18.
      {"left, spread", blGlyphLeft, -1, -1, {30, 12}, false, {2 + 18 + 1, 16}, {2 + 52 + 1, 18, 85, 30}},
      // S = ((100 - (5 + 16)) - 30) div 2 = 24.
      {"left, margin 5, spread", blGlyphLeft, 5, -1, {30, 12}, false, {8, 16}, {2 + 45 + 1, 18, 78, 30}},
      {"right, margin 5", blGlyphRight, 5, 4, {30, 12}, false, {2 + 79 + 1, 16}, {2 + 45 + 1, 18, 78, 30}},
      {"right-to-left swaps left for right", blGlyphLeft, 5, 4, {30, 12}, true, {2 + 79 + 1, 16}, {48, 18, 78, 30}},
      // Along y: M = (40 - (16 + 4 + 12) + 1) div 2 = 4; across: glyph x = (100 - 16 + 1) div 2 = 42.
      {"top, centred", blGlyphTop, -1, 4, {30, 12}, false, {2 + 42 + 1, 3 + 4 + 1}, {2 + 35 + 1, 3 + 24 + 1, 68, 40}},
      {"bottom, margin 0", blGlyphBottom, 0, 4, {30, 12}, false, {45, 3 + 24 + 1}, {38, 3 + 8 + 1, 68, 24}},
      // Without a caption the spacing is 0: M = (100 - 16 + 1) div 2 = 42.
      {"no caption", blGlyphLeft, -1, 4, {0, 0}, false, {2 + 42 + 1, 16}, {2 + 58 + 1, 3 + 20 + 1, 61, 24}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TButtonContent content =
        LayoutButtonContent(fw::TRect{2, 3, 102, 43}, fw::TSize{16, 16}, c.text, c.layout, c.margin, c.spacing,
                            fw::TPoint{1, 1}, c.rightToLeft);
    EXPECT_EQ(content.Glyph.X, c.glyph.X);
    EXPECT_EQ(content.Glyph.Y, c.glyph.Y);
    EXPECT_EQ(content.Caption, c.caption);
  }
}

TEST(GridButtonGradientTest, SixteenBandsFromTheStartColourTowardsTheEnd) {
  // Red 0 -> 160 over 32 pixels: band i is i x 10 red, rows 2i .. 2i + 3.
  const TGradientBand first = GradientBand(RGB(0, 0, 0), RGB(160, 0, 0), 32, 0);
  EXPECT_EQ(first.Color, static_cast<fw::TColor>(RGB(0, 0, 0)));
  EXPECT_EQ(first.Top, 0);
  EXPECT_EQ(first.Bottom, 3);
  const TGradientBand last = GradientBand(RGB(0, 0, 0), RGB(160, 0, 0), 32, 15);
  EXPECT_EQ(last.Color, static_cast<fw::TColor>(RGB(150, 0, 0)));
  EXPECT_EQ(last.Top, 30);
  // Falling channels and halves rounded to even: 100 + round(1 x -20 / 16 = -1.25) = 99,
  // 100 + round(2 x -20 / 16 = -2.5) = 98; heights round(3 x 10 / 16 = 1.875) = 2.
  EXPECT_EQ(GradientBand(RGB(0, 100, 0), RGB(0, 80, 0), 10, 1).Color, static_cast<fw::TColor>(RGB(0, 99, 0)));
  EXPECT_EQ(GradientBand(RGB(0, 100, 0), RGB(0, 80, 0), 10, 2).Color, static_cast<fw::TColor>(RGB(0, 98, 0)));
  EXPECT_EQ(GradientBand(RGB(0, 100, 0), RGB(0, 80, 0), 10, 3).Top, 2);
}

TEST(GridButtonGlyphTest, DisabledGreyHalvesTheAverageAbove96) {
  EXPECT_EQ(DisabledGlyphGrey(RGB(0, 0, 0)), static_cast<fw::TColor>(RGB(96, 96, 96)));
  EXPECT_EQ(DisabledGlyphGrey(RGB(255, 255, 255)), static_cast<fw::TColor>(RGB(223, 223, 223)));
  EXPECT_EQ(DisabledGlyphGrey(RGB(255, 0, 0)), static_cast<fw::TColor>(RGB(138, 138, 138)));  // 85 div 2 + 96
}

class GridButtonTest : public fw::testing::StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    button_ = Make<TVxGridButton>(fw::Bounds(10, 10, 60, 24));
    button_->OnClick = [this](fw::TObject*) { ++clicks_; };
    Form()->HandleNeeded();
  }
  // Mouse messages to the form, which routes them to the button under them; x and y are the button's.
  void Send(TVxGridButton* button, UINT msg, int x, int y) {
    const int fx = button->Left() + x;
    const int fy = button->Top() + y;
    SendMessageA(Form()->Handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                 MAKELPARAM(static_cast<WORD>(fx), static_cast<WORD>(fy)));
  }
  void Click(TVxGridButton* button, int x = 5, int y = 5) {
    Send(button, WM_LBUTTONDOWN, x, y);
    Send(button, WM_LBUTTONUP, x, y);
  }
  // A 16 x 16 glyph of one colour with a bottom-left pixel of another (the transparent one).
  static void SolidGlyph(fw::TBitmap& glyph, fw::TColor color) {
    glyph.SetSize(16, 16);
    glyph.Canvas()->Brush()->SetColor(color);
    glyph.Canvas()->FillRect(fw::TRect{0, 0, 16, 16});
    glyph.Canvas()->SetPixels(0, 15, 0xFF00FF);
  }

  TVxGridButton* button_ = nullptr;
  int clicks_ = 0;
};

TEST_F(GridButtonTest, PressReleaseAndAReleaseOutsideFiringNoClick) {
  Send(button_, WM_LBUTTONDOWN, 5, 5);
  EXPECT_EQ(button_->State(), TVxGridButton::stPressed);
  Send(button_, WM_MOUSEMOVE, 100, 5);  // tracking: up while outside
  EXPECT_EQ(button_->State(), TVxGridButton::stUp);
  Send(button_, WM_MOUSEMOVE, 5, 5);
  EXPECT_EQ(button_->State(), TVxGridButton::stPressed);
  Send(button_, WM_LBUTTONUP, 5, 5);
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(button_->State(), TVxGridButton::stUp);

  Send(button_, WM_LBUTTONDOWN, 5, 5);
  Send(button_, WM_LBUTTONUP, 100, 5);
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(button_->State(), TVxGridButton::stUp);
  EXPECT_FALSE(button_->Down());  // a button of no group never stays down
}

TEST_F(GridButtonTest, ACheckButtonTogglesDownAtEveryClick) {
  button_->SetStyle(tasCheck);
  Click(button_);
  EXPECT_TRUE(button_->Down());
  Click(button_);
  EXPECT_FALSE(button_->Down());
  EXPECT_EQ(clicks_, 2);
}

TEST_F(GridButtonTest, OneButtonOfAGroupIsDownAndOnlyAllowAllUpReleasesIt) {
  auto* other = Make<TVxGridButton>(fw::Bounds(80, 10, 60, 24));
  other->OnClick = button_->OnClick;
  button_->SetGroupIndex(1);
  other->SetGroupIndex(1);
  Click(button_);
  EXPECT_TRUE(button_->Down());
  EXPECT_EQ(button_->State(), TVxGridButton::stExclusive);
  Click(other);
  EXPECT_TRUE(other->Down());
  EXPECT_FALSE(button_->Down());
  Click(other);  // without AllowAllUp a click does not release it
  EXPECT_TRUE(other->Down());
  EXPECT_EQ(clicks_, 3);  // the click fires all the same

  // AllowAllUp reaches every button of the group.
  button_->SetAllowAllUp(true);
  EXPECT_TRUE(other->AllowAllUp());
  Click(other);
  EXPECT_FALSE(other->Down());
  // Down on a button of no group that is not a check button is ignored.
  auto* loose = Make<TVxGridButton>(fw::Bounds(150, 10, 60, 24));
  loose->SetDown(true);
  EXPECT_FALSE(loose->Down());
}

TEST_F(GridButtonTest, TheDropDownPartFiresOnDropDownAndPopsTheMenuUnderTheButton) {
  std::vector<POINT> popups;
  const fw::ServiceDouble<UINT(HMENU, UINT, int, int, HWND)> tracking(
      fw::TrackPopupMenuService, [&](HMENU, UINT, int x, int y, HWND) {
        popups.push_back(POINT{x, y});
        return 0u;
      });
  auto* menu = fw::Create<fw::TPopupMenu>(Form());
  auto* item = fw::Create<fw::TMenuItem>(menu);
  item->SetCaption("Item");
  menu->Items()->Add(item);
  int dropDowns = 0;
  button_->OnDropDown = [&](fw::TObject*) { ++dropDowns; };
  button_->SetDropDownButton(true);
  button_->SetDropDownMenu(menu);

  Click(button_, 55, 5);  // beyond width - 12
  EXPECT_EQ(dropDowns, 1);
  ASSERT_EQ(popups.size(), 1u);
  const fw::TPoint under = Form()->ClientToScreen(fw::TPoint{button_->Left(), button_->Top() + button_->Height()});
  EXPECT_EQ(popups[0].x, under.X);
  EXPECT_EQ(popups[0].y, under.Y);
  EXPECT_EQ(clicks_, 0);
  Click(button_, 40, 5);  // the button part
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(popups.size(), 1u);

  menu->Free();  // the button forgets a menu that is freed
  EXPECT_EQ(button_->DropDownMenu(), nullptr);
}

TEST_F(GridButtonTest, TheActionLinkFollowsCaptionGroupAndCheckedOnlyWhileLinked) {
  auto* action = fw::Create<fw::TAction>(Form());
  action->SetCaption("Find");
  int executed = 0;
  action->OnExecute = [&](fw::TObject*) { ++executed; };
  action->SetGroupIndex(3);
  button_->OnClick = nullptr;
  button_->SetAction(action);
  EXPECT_EQ(button_->Caption(), "Find");
  EXPECT_EQ(button_->GroupIndex(), 3);
  action->SetCaption("Find next");
  EXPECT_EQ(button_->Caption(), "Find next");

  // Checked reaches Down only for a group button with AllowAllUp.
  action->SetChecked(true);
  EXPECT_FALSE(button_->Down());
  action->SetChecked(false);
  button_->SetAllowAllUp(true);
  action->SetChecked(true);
  EXPECT_TRUE(button_->Down());

  // A caption of the button's own is kept.
  button_->SetCaption("Mine");
  action->SetCaption("Other");
  EXPECT_EQ(button_->Caption(), "Mine");
  // Without an OnClick the click executes the action.
  Click(button_);
  EXPECT_EQ(executed, 1);
}

TEST_F(GridButtonTest, MarginBelowMinusOneIsRefused) {
  button_->SetMargin(3);
  button_->SetMargin(-2);
  EXPECT_EQ(button_->Margin(), 3);
  button_->SetMargin(-1);
  EXPECT_EQ(button_->Margin(), -1);
}

TEST_F(GridButtonTest, ADisabledButtonDrawsTheGreyGlyphMadeFromTheGlyph) {
  fw::TBitmap glyph;
  SolidGlyph(glyph, RGB(0, 0, 255));
  button_->SetGlyph(&glyph);
  ASSERT_FALSE(button_->GlyphDisabled()->Empty());
  EXPECT_EQ(button_->GlyphDisabled()->Canvas()->Pixels(4, 4), static_cast<fw::TColor>(RGB(138, 138, 138)));
  // A disabled glyph of its own is kept when the glyph changes.
  fw::TBitmap own;
  SolidGlyph(own, RGB(0, 200, 0));
  button_->SetGlyphDisabled(&own);
  button_->SetGlyph(&glyph);
  EXPECT_EQ(button_->GlyphDisabled()->Canvas()->Pixels(4, 4), static_cast<fw::TColor>(RGB(0, 200, 0)));

  button_->SetGlyphDisabled(nullptr);
  button_->GlyphDisabled()->SetSize(0, 0);
  button_->SetGlyph(&glyph);
  button_->SetShowCaption(false);
  button_->SetColor(0x00FFFF);
  button_->SetEnabled(false);
  fw::testing::MemoryBitmap bitmap(Form()->ClientWidth(), Form()->ClientHeight());
  Form()->PaintTo(bitmap.DC(), 0, 0);
  // Without a caption the glyph sits at the button's top left; the face around it is the flat fill.
  EXPECT_EQ(bitmap.Pixel(button_->Left() + 8, button_->Top() + 8), static_cast<fw::TColor>(RGB(138, 138, 138)));
  EXPECT_EQ(bitmap.Pixel(button_->Left() + 40, button_->Top() + 12), 0x00FFFF);
}

}  // namespace
}  // namespace ui::testing
